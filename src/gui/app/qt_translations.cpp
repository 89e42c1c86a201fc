#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "core/platform/resource_module.h"

namespace voltaro {

namespace {

// The catalogue of Qt's widgets and dialogs (qtbase_ja.qm).
constexpr const char* kCatalogue = "qtbase";
constexpr const char* kDebianFolder = "/usr/share/qt6/translations";

QPointer<QTranslator>& Installed() {
    static QPointer<QTranslator> translator;
    return translator;
}

}  // namespace

QString QtTranslationsFolder() {
    const QString own = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (QDir(own).exists(QStringLiteral("%1_ja.qm").arg(QLatin1String(kCatalogue)))) return own;
    return QString::fromLatin1(kDebianFolder);
}

bool ApplyQtTranslations(int languageIndex) {
    QPointer<QTranslator>& installed = Installed();
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    const auto rows = LanguageTable();
    const bool japanese = languageIndex >= 0 &&
                          static_cast<std::size_t>(languageIndex) < rows.size() &&
                          rows[static_cast<std::size_t>(languageIndex)].localeId == kLocaleJapanese;
    if (!japanese) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Japanese), QString::fromLatin1(kCatalogue),
                          QStringLiteral("_"), QtTranslationsFolder())) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

}  // namespace voltaro
