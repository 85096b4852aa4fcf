// Source slot controls: the slot lists of the sheets whose slots an input-field click fills.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct SlotSheets {
  tk::TabSheet& combine;
  tk::TabSheet& street;
  tk::TabSheet& city;
  tk::TabSheet& names;
  tk::TabSheet& gender;
  tk::TabSheet& time;
  tk::TabSheet& phone;
  tk::TabSheet& split;
  tk::TabSheet& date;
};

struct SourceSlotControls {
  SourceSlotControls(tk::Window& window, const SlotSheets& sheets);

 private:
  tk::Window& w_;
  SlotSheets s_;

 public:
  tk::Label ComboRowsLabel{w_, "ComboRowsLabel", &s_.combine};
  tk::ListBox ComboIn1{w_, "ComboIn1", &s_.combine};
  tk::ListBox ComboIn2{w_, "ComboIn2", &s_.combine};
  tk::ListBox ComboIn3{w_, "ComboIn3", &s_.combine};
  tk::ListBox ComboIn4{w_, "ComboIn4", &s_.combine};
  tk::ListBox ComboIn5{w_, "ComboIn5", &s_.combine};
  tk::Button ClearCombo{w_, "ClearCombo", &s_.combine};

  tk::Label StreetRowsLabel{w_, "StreetRowsLabel", &s_.street};
  tk::ListBox Street0{w_, "Street0", &s_.street};
  tk::ListBox Street1{w_, "Street1", &s_.street};
  tk::ListBox Street2{w_, "Street2", &s_.street};
  tk::ListBox Street3{w_, "Street3", &s_.street};
  tk::ListBox Street4{w_, "Street4", &s_.street};
  tk::ListBox Street5{w_, "Street5", &s_.street};
  tk::Button StreetClear{w_, "StreetClear", &s_.street};

  tk::Label CityRowsLabel{w_, "CityRowsLabel", &s_.city};
  tk::ListBox City1{w_, "City1", &s_.city};
  tk::ListBox City2{w_, "City2", &s_.city};
  tk::ListBox City3{w_, "City3", &s_.city};
  tk::ListBox City4{w_, "City4", &s_.city};
  tk::ListBox City5{w_, "City5", &s_.city};
  tk::Button CityClear{w_, "CityClear", &s_.city};

  tk::Label NameRowsLabel{w_, "NameRowsLabel", &s_.names};
  tk::ListBox NameIn1{w_, "NameIn1", &s_.names};
  tk::ListBox NameIn2{w_, "NameIn2", &s_.names};
  tk::ListBox NameIn3{w_, "NameIn3", &s_.names};
  tk::ListBox NameIn4{w_, "NameIn4", &s_.names};
  tk::ListBox NameIn5{w_, "NameIn5", &s_.names};
  tk::Button NameClear{w_, "NameClear", &s_.names};

  tk::Label GenderSourceLabel{w_, "GenderSourceLabel", &s_.gender};
  tk::ListBox GenderSource{w_, "GenderSource", &s_.gender};
  tk::Label TimeSourceLabel{w_, "TimeSourceLabel", &s_.time};
  tk::ListBox TimeSource{w_, "TimeSource", &s_.time};

  tk::Label PhoneRowsLabel{w_, "PhoneRowsLabel", &s_.phone};
  tk::ListBox Phone1A{w_, "Phone1A", &s_.phone};
  tk::ListBox Phone1B{w_, "Phone1B", &s_.phone};
  tk::ListBox Phone2A{w_, "Phone2A", &s_.phone};
  tk::ListBox Phone2B{w_, "Phone2B", &s_.phone};
  tk::ListBox Phone3A{w_, "Phone3A", &s_.phone};
  tk::ListBox Phone3B{w_, "Phone3B", &s_.phone};
  tk::Button PhoneClear{w_, "PhoneClear", &s_.phone};

  tk::Label SplitRowsLabel{w_, "SplitRowsLabel", &s_.split};
  tk::ListBox SplitIn1{w_, "SplitIn1", &s_.split};
  tk::ListBox SplitIn2{w_, "SplitIn2", &s_.split};
  tk::ListBox SplitIn3{w_, "SplitIn3", &s_.split};
  tk::Button SplitClear{w_, "SplitClear", &s_.split};

  tk::ListBox DateChoiceBox{w_, "DateChoiceBox", &s_.date};
  tk::Memo DateMemo{w_, "DateMemo", &s_.date};

  // The lists of each sheet, in slot order.
  tk::ListBox* ComboLists[5] = {&ComboIn1, &ComboIn2, &ComboIn3, &ComboIn4, &ComboIn5};
  tk::ListBox* StreetLists[6] = {&Street0, &Street1, &Street2, &Street3, &Street4, &Street5};
  tk::ListBox* CityLists[5] = {&City1, &City2, &City3, &City4, &City5};
  tk::ListBox* NameLists[5] = {&NameIn1, &NameIn2, &NameIn3, &NameIn4, &NameIn5};
  tk::ListBox* PhoneLists[6] = {&Phone1A, &Phone1B, &Phone2A, &Phone2B, &Phone3A, &Phone3B};
  tk::ListBox* SplitLists[3] = {&SplitIn1, &SplitIn2, &SplitIn3};
};

}  // namespace vt
