// Switching EBCDIC conversion: the start block both ways and the current record read again.
#include "input/ebcdic.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::EbcdicInClick() {
  EbcdicIn.SetChecked(!EbcdicIn.Checked());
  // The NUL after the block maps to itself, so translating all 15,001 bytes is safe.
  if (EbcdicIn.Checked()) {
    ReverseEbcdic.SetChecked(true);
    ReverseEbcdic.SetEnabled(false);
    ReverseEbcdicLabel.SetEnabled(false);
    TranslateEbcdicToAscii(StartOfFileBuffer.data(), StartOfFileBuffer.size());
  } else {
    ReverseEbcdic.SetEnabled(true);
    ReverseEbcdicLabel.SetEnabled(true);
    TranslateAsciiToEbcdic(StartOfFileBuffer.data(), StartOfFileBuffer.size());
  }
  BinaryViewBox.Clear();
  BinaryHeaderList.Clear();
  RefillByteViews(BinaryViewBox, BinaryHeaderList);
  BinaryRecords.Clear();
  NextButton.Click();
  PrevButton.Click();
}

}  // namespace vt
