#ifndef QUILLMORE_CONSOLE_TASK_H_
#define QUILLMORE_CONSOLE_TASK_H_

#include <exception>
#include <utility>

// Emscripten's standard library still keeps coroutines under std::experimental.
#if __has_include(<coroutine>)
#include <coroutine>
namespace quillmore::co {
using std::coroutine_handle;
using std::noop_coroutine;
using std::suspend_always;
}  // namespace quillmore::co
#else
#include <experimental/coroutine>
#pragma clang diagnostic ignored "-Wdeprecated-experimental-coroutine"
namespace quillmore::co {
using std::experimental::coroutine_handle;
using std::experimental::noop_coroutine;
using std::experimental::suspend_always;
}  // namespace quillmore::co
#endif

namespace quillmore {

// A part of the game that may wait for the player: a coroutine that starts when it is awaited,
// or when its owner resumes it, and hands control back at every read it cannot answer yet
// (console.h). When it ends, the part that awaited it goes on. It owns its frame.
template <typename T>
class task {
 public:
  struct promise_type;
  using handle = co::coroutine_handle<promise_type>;

  struct promise_type {
    T value{};
    co::coroutine_handle<> awaiting;  // what goes on when this ends; none for the outermost

    task get_return_object() { return task(handle::from_promise(*this)); }
    co::suspend_always initial_suspend() noexcept { return {}; }
    struct ends {
      bool await_ready() noexcept { return false; }
      co::coroutine_handle<> await_suspend(handle done) noexcept {
        const co::coroutine_handle<> next = done.promise().awaiting;
        return next ? next : co::noop_coroutine();
      }
      void await_resume() noexcept {}
    };
    ends final_suspend() noexcept { return {}; }
    void return_value(T returned) { value = std::move(returned); }
    void unhandled_exception() { std::terminate(); }
  };

  explicit task(handle frame) : frame(frame) {}
  task(task&& other) noexcept : frame(std::exchange(other.frame, {})) {}
  task& operator=(task&& other) noexcept {
    std::swap(frame, other.frame);
    return *this;
  }
  task(const task&) = delete;
  task& operator=(const task&) = delete;
  ~task() {
    if (frame) {
      frame.destroy();
    }
  }

  // Awaited, it runs in the awaiting part's place until it ends.
  bool await_ready() const { return false; }
  co::coroutine_handle<> await_suspend(co::coroutine_handle<> caller) {
    frame.promise().awaiting = caller;
    return frame;
  }
  T await_resume() { return std::move(frame.promise().value); }

  // For its owner: runs it from the start, until it first waits or ends.
  void Start() { frame.resume(); }
  bool Done() const { return frame.done(); }
  const T& Result() const { return frame.promise().value; }

 private:
  handle frame;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_TASK_H_
