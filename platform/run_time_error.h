#pragma once
// Run-time errors: what a trapped procedure reports as "<description> in
// <procedure>" before the program ends. Numbers and descriptions are the
// usual run-time ones.

#include <stdexcept>
#include <string>

namespace tellux {

class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int Number() const { return number_; }
  std::string Description() const { return what(); }

  static RunTimeError InvalidProcedureCall() { return {5, "Invalid procedure call or argument"}; }
  static RunTimeError Overflow() { return {6, "Overflow"}; }
  static RunTimeError SubscriptOutOfRange() { return {9, "Subscript out of range"}; }
  static RunTimeError TypeMismatch() { return {13, "Type mismatch"}; }
  static RunTimeError InvalidPropertyValue() { return {380, "Invalid property value"}; }

 private:
  int number_;
};

}  // namespace tellux
