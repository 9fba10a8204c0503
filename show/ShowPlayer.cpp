#include "show/ShowPlayer.h"

#include <cstddef>

namespace {

// Slide numbers have at most this many digits; more can only be a typing slip.
constexpr std::size_t kMostDigits = 4;

} // namespace

ShowMove ShowPlayer::Next() {
    if (current_ + 1 == count_) {
        typed_.clear();
        return ShowMove::Ended;
    }
    return GoTo(current_ + 1);
}

ShowMove ShowPlayer::Previous() {
    return GoTo(current_ > 0 ? current_ - 1 : 0);
}

void ShowPlayer::Digit(int digit) {
    if (typed_.size() < kMostDigits)
        typed_ += static_cast<char>('0' + digit);
}

ShowMove ShowPlayer::Enter() {
    const int number = typed_.empty() ? 0 : std::stoi(typed_);
    if (number < 1 || number > count_) {
        typed_.clear();
        return ShowMove::Stay;
    }
    return GoTo(number - 1);
}

ShowMove ShowPlayer::GoTo(int slide) {
    typed_.clear();
    if (slide == current_)
        return ShowMove::Stay;
    current_ = slide;
    return ShowMove::Moved;
}
