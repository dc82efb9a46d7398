#pragma once

#include <QIcon>

namespace corvane {

/// The program's icon: a library page with an arrow into the Ondrel page.
QIcon application_icon();
/// The toolbar's images.
QIcon new_row_icon();
QIcon edit_row_icon();
QIcon delete_row_icon();

}  // namespace corvane
