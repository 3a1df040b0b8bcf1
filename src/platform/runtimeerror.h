#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A trappable run-time error with its number, as the games' error handlers expect.
class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

namespace error {
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEnd = 62;
inline constexpr int PathNotFound = 76;
inline constexpr int DialogCancelled = 32755;
} // namespace error

} // namespace platform
