#include "start_watch.h"

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string_view>
#include <system_error>
#include <thread>

#include "start_failure.h"

namespace zentavo {
namespace {

StartWatch* watching = nullptr;

void Print(std::string_view line) {
  std::fprintf(stderr, "%.*s", static_cast<int>(line.size()), line.data());
}

// Ends the program where memory ran out, instead of unwinding through Qt's half-built objects.
[[noreturn]] void OutOfMemory() {
  Print(MemoryFailure());
  std::_Exit(1);
}

}  // namespace

StartWatch::StartWatch(std::string platformFailure) : platformFailure_(std::move(platformFailure)) {
  watching = this;
  previous_ = qInstallMessageHandler(&StartWatch::Receive);
  previousNewHandler_ = std::set_new_handler(&OutOfMemory);
}

StartWatch::~StartWatch() {
  if (watching == this) End();
}

void StartWatch::PlatformStarted() {
  // A platform that cannot start its threads reports so as a critical error and then waits for
  // them, or never hears from its display; but while the platform starts, a critical error may
  // also come from one that Qt then falls back from. So whether a thread starts is tried here.
  try {
    std::thread([] {}).join();
  } catch (const std::system_error& error) {
    Print(ThreadFailure(error.code().message()));
    std::_Exit(1);
  }
  const std::lock_guard lock(mutex_);
  platformStarted_ = true;
}

void StartWatch::End() {
  std::set_new_handler(previousNewHandler_);
  qInstallMessageHandler(previous_);
  const std::lock_guard lock(mutex_);
  watching = nullptr;
  const auto text = [](const QByteArray& bytes) { return bytes.isNull() ? nullptr : bytes.data(); };
  for (const Message& message : held_) {
    const QMessageLogContext context(text(message.file), message.line, text(message.function),
                                     text(message.category));
    previous_(message.type, context, message.text);
  }
  held_.clear();
}

void StartWatch::Receive(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (watching == nullptr) return;  // a message that raced the end of the watch
  StartWatch& watch = *watching;
  const std::lock_guard lock(watch.mutex_);
  try {
    // Qt aborts once a fatal error's handler returns, and once the platform has started, a
    // critical error leaves the window hanging (a thread it could not start is waited for) or
    // never shown: the program ends first, with its own line.
    if (type == QtFatalMsg && !watch.platformStarted_) {
      Print(watch.platformFailure_);
      std::_Exit(1);
    }
    if (type == QtFatalMsg || (type == QtCriticalMsg && watch.platformStarted_)) {
      Print(WindowFailure(text.toStdString()));
      std::_Exit(1);
    }
    watch.held_.push_back(
        {type, context.file, context.function, context.category, context.line, text});
  } catch (const std::bad_alloc&) {
    // Thrown on into Qt, it would end the program through std::terminate.
    OutOfMemory();
  }
}

}  // namespace zentavo
