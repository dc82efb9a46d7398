// Packs a record into an ioCom, passes it through a VARIANT as another
// program would receive it, unpacks it, and tidies a path name. Exits with 1
// when anything comes back different.
#include <iostream>
#include <string>

#include "corvane/util/io_com.h"
#include "corvane/util/pathstring.h"

int main() {
  ioCom sender;
  sender << 42 << std::string("model.lib") << 2.5;
  const VARIANT packed = sender;

  ioCom receiver(packed);
  int count = 0;
  std::string name;
  double scale = 0;
  receiver >> count >> name >> scale;

  pathstring library("C:/work/src/../lib//x.lib");
  library.changeExt("olib");

  std::cout << "count=" << count << " name=" << name << " scale=" << scale << '\n'
            << "path=" << library << '\n';
  const bool same =
      count == 42 && name == "model.lib" && scale == 2.5 && library == "C:\\work\\lib\\x.olib";
  return same ? 0 : 1;
}
