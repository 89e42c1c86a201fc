#pragma once
// The CT/VT input page of the multi-circuit transducers, a child page of the main window:
// VT primary and secondary voltage, and per measuring input the current sensor type and
// primary current in a grid edited in place. Escape never closes the window the page sits
// in; during an edit it ends the edit. Observers are told after every accepted grid edit.
#include <QWidget>

#include "core/settings/input2_page_model.h"
#include "core/work/observer.h"

class QLineEdit;

namespace voltaro {

class CDataGridView;
class CGridEditBinding;

class CInput2Page : public QWidget, public CObservable, public CObserver {
    Q_OBJECT
  public:
    // The VT edits take the ids of the main window's VT edits they stand in for
    // (kIdVtPrimary, kIdVtSecondary).
    static constexpr int kIdGrid = 1147;

    explicit CInput2Page(QWidget* parent = nullptr);
    ~CInput2Page() override;

    // Takes a copy of image (with its device type), lays the grid out for the type's
    // measuring-input count and fills every control.
    void Load(const ParameterImage& image);
    // Validates the VT edits and stores them and every input's sensor and primary current
    // into image; a refused field throws SettingFieldError (after focusing and selecting
    // it) and nothing is stored.
    void Save(ParameterImage& image);
    // The same without focusing a refused field: for checks the user did not ask for (has
    // anything changed?), which must not move the focus while the user types.
    void SaveQuietly(ParameterImage& image);

    CGridEditBinding& GridBinding() { return *binding_; }
    void Update(CObservable* source) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CInput2PageModel model_;
    QLineEdit* vtPrimary_;
    QLineEdit* vtSecondary_;
    CDataGridView* grid_;
    CGridEditBinding* binding_;
};

}  // namespace voltaro
