#include "support/DefaultProfileGolden.h"

namespace corvane::testing {

std::vector<std::u16string> DefaultConfigLines() {
  return {
      u"[Setting]",
      u"NeedPassword=0",
      u"Sensor=0x3311",
      u"PreST=0xCCEE",
      u"Mac_ID=0xFFFFFFFF",
      u"DataChange=0x1234",
      u"CurrentProfile=0",
      u"ProfileShowCount=3",
      u"ProfileShowList0=0",
      u"ProfileShowList1=1",
      u"ProfileShowList2=2",
      u"ProfileShowList3=3",
      u"ProfileShowList4=4",
      u"ProfileSlot0URL=config\\default0.psf",
      u"ProfileSlot1URL=config\\default1.psf",
      u"ProfileSlot2URL=config\\default2.psf",
      u"ProfileSlot3URL=config\\default3.psf",
      u"ProfileSlot4URL=config\\default4.psf",
  };
}

std::vector<std::u16string> DefaultProfileLines(const LanguageTable& language, int p) {
  const auto& t = [&](int n) -> const std::u16string& { return language.Text(n); };
  // Colour-slot groups of Lighting1ColorSelected and Lighting1FixedColor, modes 0..9.
  const std::u16string off = u"00|00|00|00|00|00|00|00|00|00;";
  const std::u16string selected = off + off + off + u"01|01|01|01|01|01|01|00|00|00;" + off +
                                  u"01|01|01|01|01|01|01|01|00|00;" + u"01|00|00|00|00|00|00|00|00|00;" + off +
                                  u"01|01|00|00|00|00|00|00|00|00;" + off;
  const std::u16string black = u"000000|000000|000000|000000|000000|000000|000000|000000|000000|000000;";
  const std::u16string colours =
      black + black + black + u"FF0000|00FF00|0000FF|00FFFF|FFFF00|FF00FF|FFFFFF|000000|000000|000000;" + black +
      u"FF0000|00FF00|0000FF|FFFF00|00FFFF|FA00FA|FFFFFF|FA46FF|000000|000000;" +
      u"FF0000|000000|000000|000000|000000|000000|000000|000000|000000|000000;" + black +
      u"00FF00|FA006A|000000|000000|000000|000000|000000|000000|000000|000000;" + black;

  std::vector<std::u16string> lines = {
      u"[Setting]",
      u"ProfileName=" + t(85 + p),
      u"GameFile0=",
      u"GameFile1=",
      u"GameFile2=",
      u"DoubleClickSpeed=6",
      u"PointerSpeed=5",
      u"AccelerationEnable=1",
      u"ScrollWheelSpeed=2",
      u"ScrollWheelPageEnable=0",
      u"TiltSpeed=2",
      u"Sensitivity_X=4",
      u"Sensitivity_Y=4",
      u"XYSynchronous=1",
      u"X_DPI=1",
      u"Y_DPI=1",
      u"MoveLightingOnOffMode=0",
      u"PowerDownTime=1",
      u"LiftDetectionHeight=2",
      u"KeyDebounce=2",
      u"MotionWakeup=1",
      u"AngleSnap=0",
      u"MotionSync=1",
      u"RippleControl=0",
      u"RgbOffTime=1",
      u"DPIOffOnFlagValue=3F",
      u"\tXYSetting1ValueX=0009",
      u"\tXYSetting1ValueY=0009",
      u"\tXYSetting2ValueX=000F",
      u"\tXYSetting2ValueY=000F",
      u"\tXYSetting3ValueX=0017",
      u"\tXYSetting3ValueY=0017",
      u"\tXYSetting4ValueX=001F",
      u"\tXYSetting4ValueY=001F",
      u"\tXYSetting5ValueX=0031",
      u"\tXYSetting5ValueY=0031",
      u"\tXYSetting6ValueX=0077",
      u"\tXYSetting6ValueY=0077",
      u"\tXYSetting7ValueX=0077",
      u"\tXYSetting7ValueY=0077",
      u"\tXYSetting8ValueX=0077",
      u"\tXYSetting8ValueY=0077",
      u"\tCurrentDPILevelValue=02",
      u"\tDPILevelIndication0Valuer=FF0000",
      u"\tDPILevelIndication1Valuer=00FF00",
      u"\tDPILevelIndication2Valuer=0000FF",
      u"\tDPILevelIndication3Valuer=FFA500",
      u"\tDPILevelIndication4Valuer=FF00FF",
      u"\tDPILevelIndication5Valuer=FFFF00",
      u"\tDPILevelIndication6Valuer=FFFFFF",
      u"\tDPILevelIndication7Valuer=FFFFFF",
      u"\tAngleSnapValue=00",
      u"\tLiftDetectionValue=01",
      u"PollingRateName=1000HZ",
      u"\tPollingRateValue=030000",
      u"Lighting1Name=" + t(100),
      u"\tLighting1ModeValue=010000",
      u"\tLighting1OffOn=01",
      u"\tLighting1Speed=01|01|01|01|01|01|01|01|01|01",
      u"\tLighting1Brightness=03|03|03|03|03|03|03|03|03|03",
      u"\tLighting1ColorSelected=" + selected,
      u"\tLighting1FixedColor=" + colours,
      u"\tLighting1Direction=00|01|00|00|00|00|00|00|00|00",
      u"Lighting2Name=" + t(100),
      u"\tLighting2ModeValue=010000",
      u"\tLighting2OffOn=00",
      u"\tLighting2Speed=00",
      u"\tLighting2Brightness=00",
      u"\tLighting2FixedColor=000000",
  };
  struct DefaultButtonLines {
    int NameText;
    const char16_t* Value;
  };
  const DefaultButtonLines buttons[] = {
      {20, u"100100"}, {21, u"100200"}, {22, u"100400"}, {23, u"101000"},
      {24, u"100800"}, {42, u"400100"}, {33, u"600400"},
  };
  for (int k = 0; k < 7; ++k) {
    const std::u16string n(1, static_cast<char16_t>(u'0' + k));
    lines.push_back(u"Key" + n + u"Name=" + t(buttons[k].NameText));
    lines.push_back(u"\tKey" + n + u"URL=");
    lines.push_back(u"\tKey" + n + u"Value=" + buttons[k].Value);
    lines.push_back(u"\tMacroKeyIndex=0");
    lines.push_back(u"\tMacroKey" + n + u"Name=");
    lines.push_back(u"\t\tMacroActionNum=0");
    lines.push_back(u"\t\tAllAction=" + std::u16string(2000, u'0'));
  }
  return lines;
}

}  // namespace corvane::testing
