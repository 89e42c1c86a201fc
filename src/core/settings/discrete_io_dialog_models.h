#pragma once
// Decisions of the discrete input and discrete output dialogs.
#include <array>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

class CDiscreteInputDialogModel {
  public:
    struct Inputs {
        int function = -1;         // combo selection
        bool normalClose = false;  // second radio
    };

    explicit CDiscreteInputDialogModel(ParameterImage& image) : image_(image) {}

    // 3 entries ("No function" ... "Reset energy count"), 5 with the extended set.
    ChoiceList Functions() const;
    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

class CDiscreteOutputDialogModel {
  public:
    static constexpr int kOutputCount = kDiscreteOutputCount;
    struct Output {
        int function = -1;
        bool normalClose = false;
    };
    using Inputs = std::array<Output, kOutputCount>;

    explicit CDiscreteOutputDialogModel(ParameterImage& image) : image_(image) {}

    // Outputs the type lacks are disabled (with their "Energy" buttons) and keep their words.
    bool Present(int output) const;
    // The function list of output (0 to 3), bound to its word (a stored function that the
    // list lacks is kept).
    ChoiceList Functions(int output) const {
        return BoundChoices(ChoiceList::FromStrings(3, 1800), image_,
                            DiscreteOutputFunctionWord(output));
    }
    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
