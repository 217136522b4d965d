// The one exception type of the calculator: a failed conversion or arithmetic step.
#pragma once

#include <exception>

namespace zentavo {

enum class FailureKind { Overflow, DivisionByZero, TypeMismatch, IndexOutOfRange };

class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind) : kind_(kind) {}
  FailureKind Kind() const noexcept { return kind_; }
  const char* what() const noexcept override;

 private:
  FailureKind kind_;
};

}  // namespace zentavo
