#pragma once
// No exception may cross Qt's event loop: every place where the toolkit calls
// a handler on Qt's behalf goes through CallSafely, which hands an escaping
// error to the application's exception report.

#include <exception>
#include <utility>

void ReportException(std::exception_ptr error);

template <class F>
void CallSafely(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (...) {
        ReportException(std::current_exception());
    }
}
