#pragma once
// Qt's own texts (file dialogs and their overwrite question, the context menus of fields,
// standard buttons) in the program's language: Qt's Japanese catalogue while Japanese is
// the language, none for English.
#include <QString>

namespace voltaro {

// Folder of Qt's catalogues: Qt's own translations folder, else Debian's
// /usr/share/qt6/translations (qt6-translations-l10n).
QString QtTranslationsFolder();
// Installs the catalogue of language index (0 English, 1 Japanese; see LanguageTable) and
// removes the one of an earlier language. False when the language needs a catalogue that
// is not installed (Qt's texts then stay English).
bool ApplyQtTranslations(int languageIndex);

}  // namespace voltaro
