// Qt's own texts follow the program's language: the file dialog speaks Japanese while
// Japanese is chosen and English again afterwards.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>

#include "gui/app/qt_translations.h"

namespace voltaro {
namespace {

QString FileTypeLabel() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
    return label != nullptr ? label->text() : QString();
}

TEST(QtTranslations, FileDialogsFollowTheLanguage) {
    ASSERT_TRUE(QDir(QtTranslationsFolder()).exists(QStringLiteral("qtbase_ja.qm")))
        << "Qt's Japanese catalogue (qt6-translations-l10n) is missing";
    const QString english = FileTypeLabel();
    ASSERT_FALSE(english.isEmpty());

    ASSERT_TRUE(ApplyQtTranslations(1));
    const QString japanese = FileTypeLabel();
    EXPECT_NE(japanese, english);
    EXPECT_TRUE(std::any_of(japanese.begin(), japanese.end(), [](QChar c) {
        return c.unicode() >= 0x3000;
    })) << japanese.toStdString();
    // A second switch replaces the catalogue instead of stacking another.
    ASSERT_TRUE(ApplyQtTranslations(1));
    EXPECT_EQ(FileTypeLabel(), japanese);

    ASSERT_TRUE(ApplyQtTranslations(0));
    EXPECT_EQ(FileTypeLabel(), english);
}

}  // namespace
}  // namespace voltaro
