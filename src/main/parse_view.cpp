// TParseView: construction and the binding of handlers to controls.
#include "main/parse_view.h"

#include "main/help_topics.h"

namespace vt {

TParseView::TParseView(tk::Services& services, std::vector<std::string> args)
    : tk::Window(services),
      FrameControls(AsWindow()),
      HiddenSteps(AsWindow()),
      InputControls(AsWindow(), InputConfiguration, PageInputTab, BinaryInputTab),
      OutputControls(AsWindow(), OutputConfiguration, CombineInputFields, MiscTab),
      ParserControls(AsWindow(),
                     {DateSheet, ParseStreet, ParseNameSheet, Mailing, CityPage, GenderSheet}),
      SourceSlotControls(AsWindow(), {CombineInputFields, ParseStreet, CityPage, ParseNameSheet,
                                      GenderSheet, Time, ParsePhoneSheet, SplitSheet, DateSheet}),
      DateControls(AsWindow(), DateSheet, Time),
      SplitControls(AsWindow(), SplitSheet),
      PartOrderControls(AsWindow(), {ParseStreet, ParseNameSheet, GenderSheet}),
      ConversionControls(AsWindow(), MiscTab),
      CommandLine(std::move(args)) {
  SetCaption("Vontrask - Data File Converter");
  SetClientSize(630, 408);
  BindHandlers();
  AssignHelpTopics(*this);
}

void TParseView::BindHandlers() {
  on_create = [this] { FormCreate(); };
  on_show = [this] { FormShow(); };
  on_close = [this] { FormClose(); };
  on_destroy = [this] { FormDestroy(); };
  Timer1.on_timer = [this] { HalfSecondTimer(); };
  Exit1.on_click = [this] { Exit1Click(); };
  ExitButton.on_click = [this] { Exit1Click(); };
  PrefHist.on_click = [this] { PrefHistClick(); };
  for (tk::MenuItem* item : HistoryItems) item->on_click = [this, item] { Hist1Click(*item); };
  LoadConfiguration1.on_click = [this] { LoadConfiguration1Click(); };
  SaveConfiguration.on_click = [this] { SaveConfigurationClick(); };
  CopyOutputFormat.on_click = [this] { CopyOutputFormatClick(); };
  BindWindowHandlers();
  BindInputHandlers();
  BindOutputHandlers();
  BindOutputFormatHandlers();
  BindNameHandlers();
}

}  // namespace vt
