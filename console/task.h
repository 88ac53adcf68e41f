#ifndef QUILLMORE_CONSOLE_TASK_H_
#define QUILLMORE_CONSOLE_TASK_H_

#include <exception>
#include <utility>

// Emscripten's standard library still keeps coroutines under std::experimental.
#if __has_include(<coroutine>)
#include <coroutine>
namespace quillmore::co {
using std::coroutine_handle;
using std::suspend_always;
}  // namespace quillmore::co
#else
#include <experimental/coroutine>
#pragma clang diagnostic ignored "-Wdeprecated-experimental-coroutine"
namespace quillmore::co {
using std::experimental::coroutine_handle;
using std::experimental::suspend_always;
}  // namespace quillmore::co
#endif

namespace quillmore {

// The game runs in one loop, whatever the depth of the parts awaiting one another: a part that
// awaits another hands over to it here, and a part that ends hands back to the one that awaited
// it. (Handing over by a tail call would need WebAssembly's tail calls, which older browsers
// lack.)
class game_loop {
 public:
  // Runs the game from `part` until it waits at a read or ends.
  static void RunFrom(co::coroutine_handle<> part) {
    next = part;
    while (next) {
      std::exchange(next, {}).resume();
    }
  }
  static void HandOver(co::coroutine_handle<> part) { next = part; }

 private:
  static inline co::coroutine_handle<> next;
};

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
      void await_suspend(handle done) noexcept { game_loop::HandOver(done.promise().awaiting); }
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
  void await_suspend(co::coroutine_handle<> caller) {
    frame.promise().awaiting = caller;
    game_loop::HandOver(frame);
  }
  T await_resume() { return std::move(frame.promise().value); }

  // For its owner: runs it from the start, until it first waits or ends.
  void Start() { game_loop::RunFrom(frame); }
  bool Done() const { return frame.done(); }
  const T& Result() const { return frame.promise().value; }

 private:
  handle frame;
};

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_TASK_H_
