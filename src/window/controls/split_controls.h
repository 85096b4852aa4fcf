// Split controls: the Split sheet's choices of how many parts and on what each source is cut.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct SplitControls {
  SplitControls(tk::Window& window, tk::TabSheet& split);

 private:
  tk::Window& w_;
  tk::TabSheet& split_;

 public:
  // Column headings above the buttons, which have no captions of their own.
  tk::Label SplitIntoLabel{w_, "SplitIntoLabel", &split_};
  tk::Label SplitIntoCounts{w_, "SplitIntoCounts", &split_};
  tk::Label BasedOnLabel{w_, "BasedOnLabel", &split_};
  tk::Label BasedOnMarks{w_, "BasedOnMarks", &split_};
  tk::Label BasedOnAny{w_, "BasedOnAny", &split_};

  // One row per split source; each group of three is its own box so that its buttons exclude
  // only each other.
  tk::Label SplitSourceLabel1{w_, "SplitSourceLabel1", &split_};
  tk::GroupBox SplitIntoGroup1{w_, "SplitIntoGroup1", &split_};
  tk::RadioButton Split11{w_, "Split11", &SplitIntoGroup1};
  tk::RadioButton Split12{w_, "Split12", &SplitIntoGroup1};
  tk::RadioButton Split13{w_, "Split13", &SplitIntoGroup1};
  tk::GroupBox SplitBasedGroup1{w_, "SplitBasedGroup1", &split_};
  tk::RadioButton Split14{w_, "Split14", &SplitBasedGroup1};
  tk::RadioButton Split15{w_, "Split15", &SplitBasedGroup1};
  tk::RadioButton Split16{w_, "Split16", &SplitBasedGroup1};

  tk::Label SplitSourceLabel2{w_, "SplitSourceLabel2", &split_};
  tk::GroupBox SplitIntoGroup2{w_, "SplitIntoGroup2", &split_};
  tk::RadioButton Split21{w_, "Split21", &SplitIntoGroup2};
  tk::RadioButton Split22{w_, "Split22", &SplitIntoGroup2};
  tk::RadioButton Split23{w_, "Split23", &SplitIntoGroup2};
  tk::GroupBox SplitBasedGroup2{w_, "SplitBasedGroup2", &split_};
  tk::RadioButton Split24{w_, "Split24", &SplitBasedGroup2};
  tk::RadioButton Split25{w_, "Split25", &SplitBasedGroup2};
  tk::RadioButton Split26{w_, "Split26", &SplitBasedGroup2};

  tk::Label SplitSourceLabel3{w_, "SplitSourceLabel3", &split_};
  tk::GroupBox SplitIntoGroup3{w_, "SplitIntoGroup3", &split_};
  tk::RadioButton Split31{w_, "Split31", &SplitIntoGroup3};
  tk::RadioButton Split32{w_, "Split32", &SplitIntoGroup3};
  tk::RadioButton Split33{w_, "Split33", &SplitIntoGroup3};
  tk::GroupBox SplitBasedGroup3{w_, "SplitBasedGroup3", &split_};
  tk::RadioButton Split34{w_, "Split34", &SplitBasedGroup3};
  tk::RadioButton Split35{w_, "Split35", &SplitBasedGroup3};
  tk::RadioButton Split36{w_, "Split36", &SplitBasedGroup3};

  // The buttons by source (row) and choice (column), as their names number them.
  tk::RadioButton* SplitButtons[3][6] = {
      {&Split11, &Split12, &Split13, &Split14, &Split15, &Split16},
      {&Split21, &Split22, &Split23, &Split24, &Split25, &Split26},
      {&Split31, &Split32, &Split33, &Split34, &Split35, &Split36},
  };
};

}  // namespace vt
