#pragma once

class QCoreApplication;

namespace qinghe {

// Qt's own texts (the file dialog's buttons and questions) in the user's language where Qt has
// a translation for it, else in Chinese, the program's language. False when neither was found.
bool installQtTranslations(QCoreApplication& application);

}  // namespace qinghe
