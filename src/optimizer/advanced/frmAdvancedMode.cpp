// The advanced wizard's pages: building them, moving between them, what entering
// each page recommends, and Finish.
#include "optimizer/advanced/frmAdvancedMode.h"

#include <algorithm>
#include <initializer_list>

#include "common/NumberText.h"
#include "common/ProgramName.h"
#include "optimizer/ApplySettings.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/ValueSupport.h"
#include "system/Effects.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

namespace {

constexpr TwipsRect kPagePlace{45, 60, 5340, 3090};

}  // namespace

frmAdvancedMode::frmAdvancedMode()
    : ToolForm("frmAdvancedMode", "Advanced Mode", {5400, 3660}) {
  cmdNextPage.Click = [this] { cmdNextPage_Click(); };
  cmdPrevPage.Click = [this] { cmdPrevPage_Click(); };
  cmdPrevPage.SetEnabled(false);
  optConnType.Handle(&OptionButton::Click, [this](int index) { optConnType_Click(index); });
  chkBlackHoleValue.Click = [this] { chkBlackHoleValue_Click(); };
  chkMTUDisconver.Click = [this] { chkMTUDisconver_Click(); };
  chkICMPValue.Click = [this] { chkICMPValue_Click(); };
  cmbNDI.SetListIndex(0);  // shown as chosen; the working set starts with it (StartWorkingSettings)
  cmbNDI.Click = [this] { cmbNDI_Click(); };
  txtSYNValue.Change = [this] { txtSYNValue_Change(); };
  txtMultiplier.Change = [this] { txtMultiplier_Change(); };
  for (const GuardedBox& guarded : GuardedBoxes()) guarded.box.Change = [this, &box = guarded.box] { GuardBox(box); };
  // The formula's other boxes only show what the wizard computed.
  txtMSSRWINValue.SetEnabled(false);
  txtScaleFactor.SetEnabled(false);
  txtRWIN.SetEnabled(false);
  // The pages that say the most (SYN protection and the NDI cache, the receive
  // window's paragraphs) keep their explanations inside the page in a smaller face.
  const FontChoice small{.face = "Tahoma", .points = 7};
  lblSYNExplain.SetFont(small);
  lblNDIDescription.SetFont(small);
  lblRWINExplain.SetFont(small);
  lblSYNNotUsed.SetFont(small);
}

Frame& frmAdvancedMode::AddPage(int index) {
  return frmWizardPages.Add(index, *this, kPagePlace, kWizardPageCaptions[index]);
}

bool frmAdvancedMode::AddConnectionTypes() {
  for (int i = 0; i < kConnectionTypeCount; ++i)
    optConnType.Add(i, frmConnectionType, TwipsRect{360, 360 + i * 390, 4200, 255}, kConnectionTypes[i].caption,
                    i == 0);
  return true;
}

void frmAdvancedMode::Form_Load() {
  Host().SkinToolWindow(*this);
  ShowPage(0);
}

void frmAdvancedMode::ShowValuesNotUsed() {
  // Of the pages' values only SYN protection is documented as unused anywhere
  // (docs/windows-values.md); it is still written, so a backup restores alike.
  const std::string line = FieldNotUsedLine(TcpField::SYN, GenerationOf(RunningRelease), ReleaseName(RunningRelease));
  const bool used = line.empty();
  for (Control* control : std::initializer_list<Control*>{&lblSYNLevel0, &lblSYNLevel1, &lblSYNLevel2})
    control->SetVisible(used);
  for (Control* control : std::initializer_list<Control*>{&lblSYNRecom, &txtSYNValue, &updwnDescision})
    control->SetEnabled(used);
  lblSYNNotUsed.SetCaption(line);
  lblSYNNotUsed.SetVisible(!used);
}

void frmAdvancedMode::ShowPage(int k) {
  ShowValuesNotUsed();
  if (Frame* page = frmWizardPages.Find(k)) page->BringToFront();
  ShowWizardPage(k);
}

void frmAdvancedMode::ShowWizardPage(int k) {
  frmWizardPages.ForEach([k](Frame& page) {
    page.SetVisible(false);
    if (page.Index() == k) page.SetVisible(true);
  });
}

void frmAdvancedMode::cmdNextPage_Click() {
  if (!PageValuesAccepted(WizardPage)) return;
  WizardPage = static_cast<int16_t>(std::min(WizardPage + 1, kFinishPage));
  if (WizardPage == kFinishPage) {
    Finish();
    return;
  }
  EnterPage(WizardPage);
  ShowPage(WizardPage);
  cmdPrevPage.SetEnabled(true);
}

void frmAdvancedMode::cmdPrevPage_Click() {
  // Going back shows the page again; what entering it put into the set stays.
  WizardPage = static_cast<int16_t>(std::max(WizardPage - 1, 0));
  if (WizardPage == 0) {
    cmdPrevPage.SetEnabled(false);
    cmdNextPage.Refresh();
  }
  ShowPage(WizardPage);
  cmdNextPage.SetCaption(kNextCaption);
  cmdNextPage.Refresh();
}

void frmAdvancedMode::EnterPage(int page) {
  TcpSettings& set = CurrentSettings;
  switch (page) {
    case 1:
      EnterMtuPage();
      break;
    case 2:
      set.PMTUDiscovery = true;
      set.BlackHoleDetect = false;
      break;
    case 3:
      EnterReceiveWindowPage();
      break;
    case 4:
      set.TTL = kRecommendedTTL;
      set.MaxConn10 = kRecommendedMaxConnections;
      set.MaxConn11 = kRecommendedMaxConnections;
      break;
    case 5:
      set.KeepAliveTime = kRecommendedKeepAliveTime;
      set.KeepAliveInterval = kRecommendedKeepAliveInterval;
      break;
    case 6:
      set.SYNProtect = kRecommendedSYNProtect;
      set.NDICacheSize = kRecommendedNDICacheSize;
      break;
    case 7:
      set.ICMPRedirect = false;
      cmdNextPage.SetCaption(kFinishCaption);
      break;
    default:
      break;
  }
}

void frmAdvancedMode::EnterMtuPage() {
  const ConnectionRecommendation& recommended = RecommendationFor(ConnectionType);
  txtMTUValue.SetText(std::to_string(recommended.mtu));
  lblMTURecValue.SetCaption(recommended.mtuLabel);
  CurrentSettings.MTU = recommended.mtu;
  txtMSSValue.SetText(std::to_string(recommended.mss));
  lblMSSRecVaklue.SetCaption(recommended.mssLabel);
  CurrentSettings.MSS = recommended.mss;
}

void frmAdvancedMode::EnterReceiveWindowPage() {
  txtMSSRWINValue.SetText(std::to_string(CurrentSettings.MSS));
  txtMultiplier.SetText(std::to_string(DefaultMultiplier()));
  ComputeReceiveWindow();
  if (auto rwin = TextToInt32(txtRWIN.Text())) CurrentSettings.RWIN = *rwin;
  lblRWINRecValue.SetCaption(ReceiveWindowLabel(CurrentSettings.RWIN));
}

void frmAdvancedMode::ComputeReceiveWindow() {
  txtRWIN.SetText(ReceiveWindowText(CurrentSettings.MSS, txtMultiplier.Text(), txtScaleFactor.Text()));
}

int frmAdvancedMode::DefaultMultiplier() const { return RecommendationFor(ConnectionType).multiplier; }

void frmAdvancedMode::Finish() {
  ShowWizardPage(0);
  cmdNextPage.SetCaption(kNextAfterFinishCaption);
  cmdPrevPage.SetEnabled(false);
  WizardPage = 0;

  // Finish copies every control into the set, so what the pages show is what is
  // applied; a box outside its bounds (none is, once its page was left by Next)
  // leaves its field as it is.
  TcpSettings& set = CurrentSettings;
  set.BlackHoleDetect = chkBlackHoleValue.Value() != kUnchecked;
  set.PMTUDiscovery = chkMTUDisconver.Value() == kUnchecked;  // "Disable it??"
  set.ICMPRedirect = chkICMPValue.Value() != kUnchecked;
  if (auto level = TextToInt16(txtSYNValue.Text())) set.SYNProtect = *level;
  if (auto size = TextToInt32(cmbNDI.Text())) set.NDICacheSize = *size;
  if (auto rwin = TextToInt32(txtRWIN.Text())) set.RWIN = *rwin;
  CopyGuardedBoxes();
  ApplyAndReturnHome();
}

void frmAdvancedMode::ApplyAndReturnHome() {
  ApplyResult result = ApplySettings();
  if (result.status == ApplyStatus::BackupFailed) {
    // Nothing was written; the user stays on the wizard to read why.
    CurrentEffects().ShowMessageBox(hWnd(),
                                    "The settings were not applied: no backup of the current values could be "
                                    "taken.\r\n\r\n" + result.error,
                                    kProgramName, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (result.status == ApplyStatus::NotAllWritten)
    CurrentEffects().ShowMessageBox(hWnd(), WriteFailureMessage(result.failures), kProgramName, MB_OK | MB_ICONERROR);
  Host().ShowHomeNote(AppliedHomeNote("Your advanced settings", result));
  Host().returnHome();
}

}  // namespace quorvane
