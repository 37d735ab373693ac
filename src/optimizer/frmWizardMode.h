// The wizard mode window: eight ready-made modes, the chosen one's values, and
// "Optimize Now". Hosted in the main window.
#pragma once

#include "optimizer/TcpSettings.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

class frmWizardMode : public ToolForm {
 public:
  frmWizardMode();

  void optMode_Click(int index);
  void cmdOptimize_Click();
  // Shows the settings (the working set unless told) in the value grid, greying
  // what this Windows does not use.
  void BuildModeDescription(const TcpSettings& shown = CurrentSettings);
  // The index of the mode option that is set (0 when none is).
  int SelectedMode() const;

  ControlArray<OptionButton> optMode{"optMode"};
  Frame frameWizardMode{*this, "frameWizardMode", {0, 0, 5340, 3585}, "Wizard Mode"};
  Frame frameOptimizationMode{frameWizardMode, "frameOptimizationMode", {105, 195, 5145, 2925}, "Optimization Modes"};
  // The value grid: a name and a value label per cell, each in its own column,
  // so no text can run into its neighbour's at any dpi; below it the note.
  ControlArray<SkinLabel> lblGridName{"lblGridName"};
  ControlArray<SkinLabel> lblGridValue{"lblGridValue"};
  SkinLabel lblGridNote{frameOptimizationMode, "lblGridNote", {120, 2535, 4905, 360}};
  CommandButton cmdOptimize{frameWizardMode, "cmdOptimize", {998, 3180, 3465, 315}, "Optimize &Now"};

 protected:
  void Form_Load() override;
};

}  // namespace quorvane
