#pragma once
// The decisions of the main window without its widgets: which controls a device type
// enables, what each control shows, how the controls are read back into the image, and
// what a change of the model combos does. The window only copies texts and flags in
// and out of its widgets.
#include <functional>
#include <string>
#include <vector>

#include "core/app/main_window_ids.h"
#include "core/model/model_list.h"
#include "core/model/parameter_image.h"
#include "core/model/settings_stocker.h"

namespace voltaro {

// Multi-circuit transducers: no display and not of the two HKT2 families. They show
// the input page and the DIP check box instead of the VT/CT edits.
bool IsMultiCircuitType(const CDeviceType& type);

// Whether the setting button `id` (kIdAlarm ... kIdCcLink) applies to the type.
bool SettingButtonEnabled(int id, const CDeviceType& type);
// The ids of all setting buttons, in the window's order.
const std::vector<int>& SettingButtonIds();

struct DemandRowView {
    std::vector<std::string> choices;  // "Discrete input", "Internal timer" or the latter alone
    int selected = 0;
    std::string intervalText;
    bool intervalEnabled = false;
};

// Everything Refresh() puts into the controls except the model combos.
struct MainWindowView {
    std::vector<std::string> systems;
    int systemIndex = 0;
    bool systemEnabled = true;

    bool multiCircuit = false;  // input page and DIP box shown, VT/CT edits disabled
    bool vtCtEnabled = true;
    std::string vtPrimary, vtSecondary, ctPrimary, ctSecondary;  // empty when disabled
    bool barEnabled = false;
    std::string barVoltage, barCurrent;  // empty unless enabled
    bool extBarEnabled = false;

    DemandRowView currentDemand, powerDemand;

    bool dipVisible = false;
    bool dipChecked = false;
    bool inputPageEnabled = false;
};

MainWindowView BuildMainWindowView(const ParameterImage& image);

// The controls as read from the window.
struct MainWindowInput {
    int systemIndex = 0;
    std::string vtPrimary, vtSecondary, ctPrimary, ctSecondary;
    std::string barVoltage, barCurrent;
    int currentDemandCount = 2, currentDemandIndex = 0;
    std::string currentDemandInterval;
    int powerDemandCount = 2, powerDemandIndex = 0;
    std::string powerDemandInterval;
    // Stores the CT/VT input page of a multi-circuit type (in place of the VT/CT edits);
    // may throw like the edits. Empty when the window has no input page.
    std::function<void(ParameterImage&)> storeInputPage;
};

// Reads the controls into image in the window's fixed order (system, VT/CT, bargraph,
// demand). A bad value throws SettingFieldError naming the control id; the values read
// before it stay in the image.
void ReadMainWindowControls(const MainWindowInput& input, ParameterImage& image);

// The main window's state: its image, the per-family store of values and the model
// combos.
class CMainWindowModel {
  public:
    explicit CMainWindowModel(const ParameterImage& start);

    ParameterImage& Image() { return image_; }
    const ParameterImage& Image() const { return image_; }
    CSettingsStocker& Stocker() { return stocker_; }
    const CModelSelection& Selection() const { return selection_; }

    // Selects the model combos from the image's device type and builds the view.
    MainWindowView Refresh();

    // ReadControls: with takeModel the model of the combos becomes the image's type.
    void ReadControls(const MainWindowInput& input, bool takeModel);

    // A pick in one of the model combos. When the selection really changes: read the
    // controls, change the device type to the selected row and return true (the window
    // then refreshes). A validation failure puts the combos back to the image's type
    // and throws.
    enum class Level { Prefix, Description, Version };
    bool SelectModel(Level level, int index, const MainWindowInput& input);

    // The DIP check box: word 30 = 0 when checked, 1 when not.
    void SetDipChecked(bool checked);

    // Replaces the image (upload, open file, setting dialog OK).
    void SetImage(const ParameterImage& image) { CopyParameterImage(image_, image); }

  private:
    ParameterImage image_;
    CSettingsStocker stocker_;
    CModelSelection selection_;
};

}  // namespace voltaro
