#include "run/session_log.h"

#include <string>

#include "run/host_file_system.h"
#include "run/log_file.h"
#include "run/log_name_check.h"
#include "run/progress_window.h"
#include "run/string_table.h"
#include "run/user_prompts.h"

namespace corvane {
namespace {

// printf's "%04d": at least four digits, the sign in front of the zeros.
std::string four_digits(int id) {
  std::string digits = std::to_string(id);
  bool negative = digits.front() == '-';
  if (negative) digits.erase(0, 1);
  size_t width = negative ? 3 : 4;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

SessionLog::SessionLog(LogEnvironment& environment) : environment_(environment) {}

SessionLog::~SessionLog() {
  // A message still pending when the run forgets to close would be lost.
  try {
    if (file_ && file_->is_open()) flush();
  } catch (...) {
  }
}

void SessionLog::set_log_file(const std::string& name) { start_log(name, nullptr); }

void SessionLog::set_log_stream(TextStream& stream) { start_log(stream.name(), &stream); }

void SessionLog::start_log(const std::string& name, TextStream* stream) {
  if (file_ && !(file_->is_open() && file_->name() == name && log_stream_ == stream)) {
    // The old log's last message belongs in the old log.
    flush();
    finish_file();
  }
  log_file_name_ = name;
  log_stream_ = stream;
  file_failed_ = false;
  open_log_file();
}

void SessionLog::begin_status(std::string_view format) {
  deliver_pending();
  pending_ = Pending{std::string(format), MessageCategory::STATUS, 0, true};
}

SessionLog& SessionLog::add_argument(std::string_view text) {
  pending_.text = fill_string_argument(pending_.text, text, pending_.filled_up_to);
  pending_.present = true;
  return *this;
}

void SessionLog::post(MessageCategory category, std::string_view text) {
  if (text.empty()) return;
  deliver_pending();
  pending_ = Pending{std::string(text), category, 0, true};
  deliver_pending();
}

void SessionLog::post_status(std::string_view text) {
  deliver_pending();
  pending_ = Pending{std::string(text), MessageCategory::STATUS, 0, true};
}

void SessionLog::post_numbered_error(int id) {
  deliver_pending();
  std::string text = "[FWK" + four_digits(id) + "] ";
  text += string_text(id);
  pending_ = Pending{std::move(text), MessageCategory::ERROR, id, true};
}

void SessionLog::flush() {
  if (!pending_.text.empty()) deliver_pending();
  pending_ = Pending{};
}

void SessionLog::write_group_headings() {
  if (environment_.held.empty()) return;
  post(MessageCategory::STATUS, "Design Messages:");
  post(MessageCategory::STATUS, "Symbol Library Messages:");
}

bool SessionLog::close() {
  if (file_ && file_.use_count() == 1) {
    flush();
    write_group_headings();
    environment_.filter.set_category(MessageCategory::STATUS, false);
  }
  flush();
  finish_file();
  // Forgetting the name keeps a later message from reopening, and so
  // replacing, the finished log.
  log_file_name_.clear();
  log_stream_ = nullptr;
  const bool written = !file_failed_;
  file_failed_ = false;
  return written;
}

void SessionLog::finish_file() {
  if (!file_) return;
  const std::shared_ptr<LogFile> file = std::move(file_);
  if (file.use_count() == 1 && file->is_open() && !file->close()) {
    file_failed_ = true;
    environment_.prompts.show_error(
        fill_string_argument(string_text(IDS_LOG_WRITE_FAILED), file->name()));
  }
}

CategoryCounts SessionLog::counts() const { return file_ ? file_->counts() : CategoryCounts{}; }

void SessionLog::step(int n) {
  if (progress_ != nullptr) progress_->step(n);
}

void SessionLog::deliver_pending() {
  Pending message = std::move(pending_);
  pending_ = Pending{};
  if (!message.present || message.text.empty()) return;
  if (message.category == MessageCategory::STATUS) {
    write_line(message.category, message.id, message.text);
  } else if (!environment_.filter.suppresses(message.category, message.id)) {
    environment_.held.add(HeldMessage{message.id, message.category, std::move(message.text)});
  }
}

void SessionLog::write_line(MessageCategory category, int id, const std::string& text) {
  if (text.empty() || environment_.filter.suppresses(category, id)) return;
  std::string line(kCategoryPrefix[static_cast<size_t>(category)]);
  line += text;
  open_log_file();
  if (file_) file_->write_line(category, line);
}

void SessionLog::open_log_file() {
  if ((file_ && file_->is_open()) || log_file_name_.empty()) return;
  if (!file_) file_ = std::make_shared<LogFile>();
  if (log_stream_ != nullptr) {
    file_->open(*log_stream_);
    return;
  }
  // A name its rules refuse is no log to make; a file the system refuses is
  // a log that failed.
  const bool valid_name = log_name_check(log_file_name_, environment_.file_system);
  if (valid_name && file_->open(log_file_name_, environment_.temporary_files)) return;
  // The log goes beside the output or nowhere: a file in a shared directory
  // could be read, foreseen or replaced by anyone.
  environment_.prompts.show_error(
      fill_string_argument(string_text(IDS_LOG_CREATE_FAILED), log_file_name_));
  environment_.prompts.show_error(std::string(string_text(IDS_NO_LOGGING)));
  log_file_name_.clear();
  file_failed_ = valid_name;
}

}  // namespace corvane
