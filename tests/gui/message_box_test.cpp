// Message box kinds, line breaks of boxes and labels, and the conversion of file dialog
// filters.
#include <gtest/gtest.h>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include "gui/app/message_box.h"
#include "gui/dialogs/passcode_prompts.h"

namespace voltaro {
namespace {

TEST(FileFilter, PairsBecomeQtNameFilters) {
    EXPECT_EQ(ConvertFileFilter("Configuration files (*.cfg)|*.cfg|All files (*.*)|*.*||"),
              (QStringList{QStringLiteral("Configuration files (*.cfg)"),
                           QStringLiteral("All files (*)")}));
    // The patterns decide, also when the description names others or none.
    EXPECT_EQ(ConvertFileFilter("CSV|*.csv;*.txt||"),
              QStringList{QStringLiteral("CSV (*.csv *.txt)")});
    EXPECT_EQ(ConvertFileFilter("Report (*.txt)|*.csv"),
              QStringList{QStringLiteral("Report (*.csv)")});
    EXPECT_EQ(ConvertFileFilter("Text (x) file|*.x||"),
              QStringList{QStringLiteral("Text (x) file (*.x)")});
    EXPECT_TRUE(ConvertFileFilter("").isEmpty());
    EXPECT_TRUE(ConvertFileFilter("||").isEmpty());
    EXPECT_TRUE(ConvertFileFilter("No pattern||").isEmpty());
}

TEST(FileFilter, SaveDialogGetsSuffixAndOverwritePrompt) {
    QFileDialog dialog;
    ConfigureFileDialog(dialog,
                        {QStringLiteral("Save"), "Configuration files (*.cfg)|*.cfg||",
                         QStringLiteral("cfg"), QString()},
                        true);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("cfg"));
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Configuration files (*.cfg)")});

    QFileDialog open;
    ConfigureFileDialog(open, {QStringLiteral("Open"), "All (*.*)|*.*||", {}, {}}, false);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}

TEST(MessageBox, ErrorsStopAndQuestionsDefaultToNo) {
    auto error = MakeErrorBox(nullptr, QStringLiteral("Timeout"));
    EXPECT_EQ(error->icon(), QMessageBox::Critical);
    EXPECT_EQ(error->text(), QStringLiteral("Timeout"));
    EXPECT_EQ(error->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(error->windowTitle(), QStringLiteral(VOLTARO_PRODUCT_NAME));

    auto question = MakeAskBox(nullptr, QStringLiteral("Reset?"), AskIcon::Question);
    EXPECT_EQ(question->icon(), QMessageBox::Question);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()),
              question->button(QMessageBox::No));
    EXPECT_EQ(MakeAskBox(nullptr, {}, AskIcon::Exclamation)->icon(), QMessageBox::Warning);
}

TEST(MessageBox, LabelsAndBoxesBreakLinesAlike) {
    // Message texts break lines with "\r" or "\r\n"; boxes and labels show real breaks.
    const QString text = QStringLiteral("Failed. \r\rError Information:\r\nTimeout");
    const QString shown = QStringLiteral("Failed.\n\nError Information:\nTimeout");
    EXPECT_EQ(MakeErrorBox(nullptr, text)->text(), shown);
    EXPECT_EQ(WithLineBreaks(text), shown);

    CEnterPasscodeDialog prompt;
    CProtectDialog protect;
    for (QDialog* dialog : {static_cast<QDialog*>(&prompt), static_cast<QDialog*>(&protect)}) {
        const QLabel* label = dialog->findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->text().contains(QLatin1Char('\r')));
        EXPECT_EQ(label->text().count(QLatin1Char('\n')), 1) << label->text().toStdString();
        EXPECT_GE(label->sizeHint().height(), 2 * label->fontMetrics().lineSpacing());
    }
}

}  // namespace
}  // namespace voltaro
