#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/file_selection.h"

namespace corvane::testing {

/// Records the dialog's message boxes.
class FakeDialogPrompts : public DialogPrompts {
 public:
  void show_message(const std::string& text) override { messages.push_back(text); }
  void show_error(const std::string& text) override { errors.push_back(text); }
  std::vector<std::string> messages;
  std::vector<std::string> errors;
};

/// Answers file dialogs from a script; an empty answer is Cancel.
class FakeFileDialogs : public FileDialogs {
 public:
  std::vector<std::string> choose_files(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return {};
    std::vector<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<FileDialogRequest> requests;
  std::deque<std::vector<std::string>> answers;
};

}  // namespace corvane::testing
