// TParseView: construction and the binding of handlers to controls.
#include "window/parse_view.h"

#include "window/help_topics.h"

namespace vt {

namespace {

// The window base of a window under construction. A cast, not a member call: no member function
// may run before the bases are built; and named, so that control groups are not mistaken for
// copies of themselves.
tk::Window& Base(TParseView& view) {
  return static_cast<tk::Window&>(view);
}

}  // namespace

TParseView::TParseView(tk::Services& services, std::vector<std::string> args)
    : tk::Window(services),
      FrameControls(Base(*this)),
      HiddenSteps(Base(*this)),
      InputControls(Base(*this), InputConfiguration, PageInputTab, BinaryInputTab),
      OutputControls(Base(*this), OutputConfiguration, CombineInputFields, MiscTab),
      ParserControls(Base(*this),
                     {DateSheet, ParseStreet, ParseNameSheet, Mailing, CityPage, GenderSheet}),
      WordListControls(Base(*this), {ParseStreet, ParseNameSheet, Mailing, CityPage}),
      SourceSlotControls(Base(*this), {CombineInputFields, ParseStreet, CityPage, ParseNameSheet,
                                       GenderSheet, Time, ParsePhoneSheet, SplitSheet, DateSheet}),
      ParseDisplayControls(Base(*this), {ParseStreet, CityPage, ParseNameSheet, ParsePhoneSheet}),
      DateControls(Base(*this), DateSheet, Time),
      SplitControls(Base(*this), SplitSheet),
      PartOrderControls(Base(*this), {ParseStreet, ParseNameSheet, GenderSheet}),
      ConversionControls(Base(*this), MiscTab),
      ComboControls(Base(*this), CombineInputFields),
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
  BindBinaryHandlers();
  BindPageHandlers();
  BindOutputHandlers();
  BindOutputFormatHandlers();
  BindNameHandlers();
  BindWordListHandlers();
  BindDateComboHandlers();
}

}  // namespace vt
