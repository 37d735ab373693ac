// The advanced mode wizard: eight pages that set the TCP/IP parameters one group
// at a time. Entering a page puts its recommendations into CurrentSettings; the
// user may change the boxes; Finish copies the boxes into the set, applies it and
// returns the main window to its movie. Hosted in the main window's frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "optimizer/advanced/AdvancedWizardRules.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/advanced/AdvancedWizardTexts.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/ToolWindowHost.h"
#include "ui/UpDown.h"

namespace quorvane {

class frmAdvancedMode : public ToolForm {
 public:
  frmAdvancedMode();

  int16_t CurrentPage() const { return WizardPage; }
  int16_t ChosenConnectionType() const { return ConnectionType; }

  // Every page frame lies at the same place; exactly one is visible.
  ControlArray<Frame> frmWizardPages{"frmWizardPages"};
  Frame& page0 = AddPage(0);
  Frame& page1 = AddPage(1);
  Frame& page2 = AddPage(2);
  Frame& page3 = AddPage(3);
  Frame& page4 = AddPage(4);
  Frame& page5 = AddPage(5);
  Frame& page6 = AddPage(6);
  Frame& page7 = AddPage(7);

  CommandButton cmdPrevPage{*this, "cmdPrevPage", {1042, 3195, 1455, 300}, "<<Back"};
  CommandButton cmdNextPage{*this, "cmdNextPage", {3037, 3195, 1455, 300}, kNextCaption};

  // Page 0: connection type.
  Label lblConnectioTypeExplain{page0, "lblConnectioTypeExplain", {240, 360, 4860, 255}, kConnectionTypeExplain};
  Frame frmConnectionType{page0, "frmConnectionType", {240, 780, 4860, 2040}, "Connection Type"};
  ControlArray<OptionButton> optConnType{"optConnType"};
  bool connectionTypesAdded_ = AddConnectionTypes();

  // Page 1: MTU and MSS.
  Label lblMTUExplain{page1, "lblMTUExplain", {120, 285, 5100, 600}, kMTUExplain};
  Label lblMTURecom{page1, "lblMTURecom", {120, 945, 2400, 255}, "Recommended MTU size"};
  SkinLabel lblMTURecValue{page1, "lblMTURecValue", {2580, 945, 1300, 255}, "   Byte"};
  TextBox txtMTUValue{page1, "txtMTUValue", {3960, 915, 1200, 285}, "576", kNumberBox};
  Label lblMSSExplain{page1, "lblMSSExplain", {120, 1500, 5100, 795}, kMSSExplain};
  Label lblMSSRecom{page1, "lblMSSRecom", {120, 2370, 2400, 255}, "Recommended MSS size"};
  SkinLabel lblMSSRecVaklue{page1, "lblMSSRecVaklue", {2580, 2370, 1300, 255}, "   Byte"};
  TextBox txtMSSValue{page1, "txtMSSValue", {3960, 2340, 1200, 285}, "536", kNumberBox};

  // Page 2: black-hole detection and path MTU discovery.
  Label lblBlackHoleExplain{page2, "lblBlackHoleExplain", {120, 255, 5100, 1185}, kBlackHoleExplain};
  Label lblBlackHoleRecom{page2, "lblBlackHoleRecom", {120, 1455, 3600, 390}, kBlackHoleRecom};
  CheckBox chkBlackHoleValue{page2, "chkBlackHoleValue", {3840, 1470, 1380, 255}, "Enable It?"};
  Label lblMTUDiscoverExplain{page2, "lblMTUDiscoverExplain", {120, 1935, 5100, 600}, kMTUDiscoverExplain};
  Label lblMTUDiscoverRecom{page2, "lblMTUDiscoverRecom", {120, 2640, 1900, 255}, "Recommended to be."};
  SkinLabel lblOtherMTURecValue{page2, "lblOtherMTURecValue", {2040, 2640, 1200, 255}, "ENABLED"};
  CheckBox chkMTUDisconver{page2, "chkMTUDisconver", {3840, 2625, 1380, 255}, "Disable it??"};

  // Page 3: the receive window as one formula, MSS * Multiplier * Scale Factor = RWIN.
  Label lblRWINExplain{page3, "lblRWINExplain", {120, 255, 5100, 1845}, kRWINExplain};
  TextBox txtMSSRWINValue{page3, "txtMSSRWINValue", {120, 2145, 900, 285}};
  Label lblTimes1{page3, "lblTimes1", {1035, 2175, 180, 255}, "*", TextAlign::Center};
  TextBox txtMultiplier{page3, "txtMultiplier", {1230, 2145, 900, 285}};
  Label lblTimes2{page3, "lblTimes2", {2145, 2175, 180, 255}, "*", TextAlign::Center};
  TextBox txtScaleFactor{page3, "txtScaleFactor", {2340, 2145, 1080, 285}, kScaleFactorText};
  Label lblEquals{page3, "lblEquals", {3435, 2175, 180, 255}, "=", TextAlign::Center};
  TextBox txtRWIN{page3, "txtRWIN", {3630, 2145, 1380, 285}};
  Label lblMSS{page3, "lblMSS", {120, 2475, 900, 255}, "MSS", TextAlign::Center};
  Label lblMultiplier{page3, "lblMultiplier", {1230, 2475, 900, 255}, "Multiplier", TextAlign::Center};
  Label lblScaleFactor{page3, "lblScaleFactor", {2340, 2475, 1080, 255}, "Scale Factor", TextAlign::Center};
  Label lblRWIN{page3, "lblRWIN", {3630, 2475, 1380, 255}, "RWIN", TextAlign::Center};
  Label lblRwinRecom{page3, "lblRwinRecom", {120, 2760, 2700, 255}, "Recommended RWIN size  : "};
  SkinLabel lblRWINRecValue{page3, "lblRWINRecValue", {2880, 2760, 2000, 255}, "Byte"};

  // Page 4: TTL and Internet Explorer's connections.
  Label lblTTLExplain{page4, "lblTTLExplain", {120, 285, 5100, 420}, kTTLExplain};
  Label lblTTLRecom{page4, "lblTTLRecom", {120, 795, 2000, 255}, "Recommended TTL  :"};
  SkinLabel lblTTLRecValue{page4, "lblTTLRecValue", {2160, 795, 1600, 255}, "64 Seconds"};
  TextBox txtTTLValue{page4, "txtTTLValue", {3960, 765, 1200, 285}, "64", kNumberBox};
  Label lblIEExplain{page4, "lblIEExplain", {120, 1290, 5100, 600}, kIEExplain};
  Label lblHTTP10{page4, "lblHTTP10", {120, 2070, 3360, 255}, "Recommended value for HTTP 1.0  :"};
  SkinLabel lblHTTP10RecValue{page4, "lblHTTP10RecValue", {3510, 2070, 420, 255}, "20"};
  TextBox txtHTTP10Value{page4, "txtHTTP10Value", {3960, 2040, 1200, 285}, "20", kNumberBox};
  Label lblHTTP11{page4, "lblHTTP11", {120, 2520, 3360, 255}, "Recommended value for HTTP 1.1  :"};
  SkinLabel lblHTTP11RecValue{page4, "lblHTTP11RecValue", {3510, 2520, 420, 255}, "20"};
  TextBox txtHTTP11Value{page4, "txtHTTP11Value", {3960, 2490, 1200, 285}, "20", kNumberBox};

  // Page 5: keep-alive timing.
  Label lblKeepAliveTimeExplain{page5, "lblKeepAliveTimeExplain", {120, 285, 5100, 795}, kKeepAliveTimeExplain};
  Label lblKeepAliveTimeRecom{page5, "lblKeepAliveTimeRecom", {120, 1140, 3600, 255},
                              "Recommended Keep Alive Time :"};
  SkinLabel lblKARecValue{page5, "lblKARecValue", {120, 1395, 2520, 255}, "7200000 milliseconds."};
  TextBox txtKeepAliveTimeValue{page5, "txtKeepAliveTimeValue", {3780, 1200, 1380, 285}, "7200000", kNumberBox};
  Label lblKeepAliveIntervalExplain{page5, "lblKeepAliveIntervalExplain", {120, 1830, 5100, 600},
                                    kKeepAliveIntervalExplain};
  Label lblKeepAliveIntervalReccom{page5, "lblKeepAliveIntervalReccom", {120, 2475, 3600, 255},
                                   "Recommended Keep Alive Interval  :"};
  SkinLabel lblKAIntervalRecValue{page5, "lblKAIntervalRecValue", {120, 2730, 2520, 255}, "1000 milliseconds."};
  TextBox txtKeepAliveIntervalValue{page5, "txtKeepAliveIntervalValue", {3780, 2535, 1380, 285}, "1000", kNumberBox};

  // Page 6: SYN flood protection and the NDI cache.
  Label lblSYNExplain{page6, "lblSYNExplain", {120, 255, 5100, 720}, kSYNExplain};
  SkinLabel lblSYNLevel0{page6, "lblSYNLevel0", {120, 990, 5100, 195}, kSYNLevelTexts[0]};
  SkinLabel lblSYNLevel1{page6, "lblSYNLevel1", {120, 1185, 5100, 195}, kSYNLevelTexts[1]};
  SkinLabel lblSYNLevel2{page6, "lblSYNLevel2", {120, 1380, 5100, 195}, kSYNLevelTexts[2]};
  Label lblSYNRecom{page6, "lblSYNRecom", {120, 1665, 2400, 255}, "What will be your decision?"};
  TextBox txtSYNValue{page6, "txtSYNValue", {2580, 1635, 600, 285}, "2"};
  UpDown updwnDescision{txtSYNValue, "updwnDescision", 0, 2};
  // In the levels' place where this Windows does not use the value.
  SkinLabel lblSYNNotUsed{page6, "lblSYNNotUsed", {120, 990, 5100, 585}};
  Label lblNDIDescription{page6, "lblNDIDescription", {120, 2010, 5100, 570}, kNDIDescription};
  Label lblNDIRec{page6, "lblNDIRec", {120, 2670, 2400, 255}, "NDI recommended Value"};
  ComboBox cmbNDI{page6, "cmbNDI", {2580, 2625, 900, 300}, {"0", "2", "4", "8", "16", "32", "64"}};

  // Page 7: ICMP redirects.
  Label lblICMPExplain{page7, "lblICMPExplain", {120, 255, 5100, 2310}, kICMPExplain};
  Label lblICMPRecom{page7, "lblICMPRecom", {120, 2670, 3000, 255}, "Recommended to be DISABLED."};
  CheckBox chkICMPValue{page7, "chkICMPValue", {3840, 2655, 1380, 255}, "Enable It?"};

 protected:
  void Form_Load() override;

 private:
  Frame& AddPage(int index);
  bool AddConnectionTypes();

  // Greys the values the running Windows does not use and says why.
  void ShowValuesNotUsed();
  // Makes page k the one visible page (frame k in front first).
  void ShowPage(int k);
  void ShowWizardPage(int k);
  // What entering a page puts into CurrentSettings and the controls.
  void EnterPage(int page);
  void EnterMtuPage();
  void EnterReceiveWindowPage();
  void Finish();
  void ApplyAndReturnHome();
  // The receive window from the set's MSS and the multiplier and scale factor boxes.
  void ComputeReceiveWindow();
  int DefaultMultiplier() const;

  void cmdNextPage_Click();
  void cmdPrevPage_Click();
  void optConnType_Click(int index);
  void chkBlackHoleValue_Click();
  void chkMTUDisconver_Click();
  void chkICMPValue_Click();
  void cmbNDI_Click();
  void txtSYNValue_Change();
  void txtMultiplier_Change();
  // The seven guarded boxes: the page each is on, its bounds and its field.
  struct GuardedBox {
    TextBox& box;
    int page;
    Bounds bounds;
    int32_t TcpSettings::*field;
  };
  std::vector<GuardedBox> GuardedBoxes();
  // Text that is not a number inside the box's bounds (or on its way into them)
  // is replaced by the field's value in CurrentSettings.
  void GuardBox(TextBox& box);
  // Leaving a page: false, with the person told which box and what it takes,
  // when one of the page's boxes is below its bounds.
  bool PageValuesAccepted(int page);
  void CopyGuardedBoxes();

  int16_t WizardPage = 0;
  int16_t ConnectionType = 0;
};

}  // namespace quorvane
