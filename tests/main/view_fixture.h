// A main window over fake services, with its own program and settings folders.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "main/parse_view.h"
#include "support/fake_services.h"

namespace vt::testing {

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("vontrask-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "program");
    std::filesystem::create_directories(root_ / "settings");
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  std::string ProgramDir() const { return (root_ / "program").string(); }
  std::string SettingsDir() const { return (root_ / "settings").string(); }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

  void WriteFile(const std::string& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // Makes the window with these arguments and runs its creation (not its showing).
  TParseView& Create(std::vector<std::string> args = {}) {
    view_ = std::make_unique<TParseView>(fakes.services, std::move(args));
    view_->ProgramDirOverride = ProgramDir();
    view_->SettingsDirOverride = SettingsDir();
    tk::Fire(view_->on_create);
    return *view_;
  }

  TParseView& CreateAndShow(std::vector<std::string> args = {}) {
    TParseView& view = Create(std::move(args));
    tk::Fire(view.on_show);
    return view;
  }

  tk::testing::FakeServices fakes;

 private:
  std::filesystem::path root_;
  std::unique_ptr<TParseView> view_;
};

}  // namespace vt::testing
