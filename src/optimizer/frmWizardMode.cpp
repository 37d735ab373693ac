#include "optimizer/frmWizardMode.h"

#include "common/ProgramName.h"
#include "optimizer/ApplySettings.h"
#include "optimizer/ModeDescription.h"
#include "optimizer/OutcomeNotes.h"
#include "optimizer/TcpSettings.h"
#include "system/Effects.h"

namespace quorvane {

frmWizardMode::frmWizardMode()
    : ToolForm("frmWizardMode", "Wizard Mode", {5400, 3660}) {
  // Two columns of four rows: A, C, E, G on the left, B, D, F and the default on the right.
  for (int i = 0; i < kModePresetCount; ++i) {
    const int left = i % 2 == 0 ? 120 : 3000;
    const int top = 240 + (i / 2) * 240;
    optMode.Add(i, frameOptimizationMode, TwipsRect{left, top, 2000, 240}, kModeCaptions[i], i == 0);
  }
  optMode.Handle(&OptionButton::Click, [this](int index) { optMode_Click(index); });
  cmdOptimize.Click = [this] { cmdOptimize_Click(); };
}

void frmWizardMode::Form_Load() {
  Host().SkinToolWindow(*this);
  // A size smaller than the skin's, so the widest row with its tab stops fits.
  lblModeDescrip.SetFont(FontChoice{.face = "Tahoma", .points = 7});
  CurrentSettings = ModePresets[0];
  BuildModeDescription();
}

void frmWizardMode::optMode_Click(int index) {
  CurrentSettings = ModePresets[index];
  BuildModeDescription();
}

int frmWizardMode::SelectedMode() const {
  for (int i = 0; i < kModePresetCount; ++i)
    if (const OptionButton* option = optMode.Find(i); option && option->Value()) return i;
  return 0;
}

void frmWizardMode::cmdOptimize_Click() {
  // The mode shown is the mode applied, whatever the advanced wizard left in the set.
  const int mode = SelectedMode();
  CurrentSettings = ModePresets[mode];
  BuildModeDescription();
  ApplyResult result = ApplySettings();
  if (result.status == ApplyStatus::BackupFailed) {
    // Nothing was written: say why and stay here.
    CurrentEffects().ShowMessageBox(hWnd(), "The settings were not changed.\r\n\r\n" + result.error, kProgramName,
                                    MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (result.status == ApplyStatus::NotAllWritten)
    CurrentEffects().ShowMessageBox(hWnd(), WriteFailureMessage(result.failures), kProgramName, MB_OK | MB_ICONERROR);
  Host().ShowHomeNote(AppliedNote(kModeCaptions[mode], result.backupPath, result.failures.size()));
  Host().returnHome();
}

void frmWizardMode::BuildModeDescription() { lblModeDescrip.SetCaption(BuildModeDescriptionText(CurrentSettings)); }

}  // namespace quorvane
