#include "models/parameter_sets.h"

#include "core/parameter_words.h"
#include "models/parameter_record.h"

namespace corvane {
namespace {

constexpr int kFirstBsim3Name = extra_parameter("vfbcv");
constexpr int kLastBsim3Name = extra_parameter("pvfbcv");
constexpr int kFirstPVariant = extra_parameter("pcdsc");

// vfbcv came with BSIM3 version 3.1; the BSIM3v2 level has the l and w
// variants of the other binned names only.
bool bsim3v2_has(int code) {
  if (code >= kFirstPVariant) return false;
  return code != extra_parameter("vfbcv") && code != extra_parameter("lvfbcv") &&
         code != extra_parameter("wvfbcv");
}

}  // namespace

ParameterFamily parameter_family(int kind_code, std::string_view level) {
  if (kind_code == kw("njf") || kind_code == kw("pjf")) return ParameterFamily::jfet;
  if (kind_code != kw("nmos") && kind_code != kw("pmos")) return ParameterFamily::none;
  if (level == "49") return ParameterFamily::bsim3v3;
  if (level == "47") return ParameterFamily::bsim3v2;
  if (level == "13") return ParameterFamily::bsim1;
  if (level == "3") return ParameterFamily::mos3;
  return ParameterFamily::none;
}

bool family_writes(ParameterFamily family, int code) {
  const bool bsim3_name = code >= kFirstBsim3Name && code <= kLastBsim3Name;
  switch (family) {
    case ParameterFamily::bsim3v3:
      return bsim3_name;
    case ParameterFamily::bsim3v2:
      return bsim3_name && bsim3v2_has(code);
    case ParameterFamily::bsim1:
      return code == extra_parameter("eta") || code == extra_parameter("temp") ||
             code == extra_parameter("vdd") || code == extra_parameter("dell");
    case ParameterFamily::mos3:
      return code == extra_parameter("eta") || code == extra_parameter("xd") ||
             code == extra_parameter("input_delta");
    case ParameterFamily::jfet:
      return code == extra_parameter("b");
    case ParameterFamily::none:
      break;
  }
  return false;
}

void drop_names_of_other_families(ParameterRecord& record, ParameterFamily family) {
  record.for_each_given_extra([&](int code) {
    if (!family_writes(family, code)) record.set_given(code, false);
  });
}

}  // namespace corvane
