#include "ui/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qinghe {

bool installQtTranslations(QCoreApplication& application) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&application);
  const QString base = QStringLiteral("qtbase");
  const QString separator = QStringLiteral("_");
  if (!translator->load(QLocale(), base, separator, folder) &&
      !translator->load(QLocale(QLocale::Chinese, QLocale::China), base, separator, folder)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace qinghe
