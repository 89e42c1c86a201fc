#pragma once
// "Parameter Report": every parameter of the PC image with its value, optionally compared
// with the device or a configuration file, and exported as CSV. Parameters are grouped:
// each group is a top-level item of the list ("id1071") with its parameters below it.
// Rows that differ are drawn bold on a light red background, rows that apply to neither
// type in grey; the status text ("id1072") is red while parameters differ.
// Buttons: "id1070" Export Csv, "id1069" Device, "id1073" File, "id2" Close; the check box
// "id1154" Hide unable functions.
#include <QDialog>

#include "core/app/app_settings.h"
#include "core/files/parameter_report.h"

class QCheckBox;
class QLabel;

namespace voltaro {

class CListCtrlInfoTip;

class CCompareDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kIdDevice = 1069;
    static constexpr int kIdExportCsv = 1070;
    static constexpr int kIdList = 1071;
    static constexpr int kIdStatus = 1072;
    static constexpr int kIdFile = 1073;
    static constexpr int kIdHide = 1154;

    CCompareDialog(const ParameterImage& pcImage, AppSettings& settings, QWidget* parent = nullptr);

    const CParameterReport& Report() const { return report_; }

    void CompareWithDevice();
    void CompareWithFile();
    void ExportCsv();

  private:
    void FillList();

    CParameterReport report_;
    AppSettings& settings_;
    CListCtrlInfoTip* list_;
    QLabel* status_;
    QCheckBox* hide_;
};

}  // namespace voltaro
