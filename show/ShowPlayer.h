// Where a show is: the slide shown and the number typed to jump to. It makes no Windows calls.
#pragma once

#include <string>

// What a request did to the show.
enum class ShowMove { Stay, Moved, Ended };

class ShowPlayer {
public:
    // Slides are indexed from 0; first must be one of them.
    ShowPlayer(int count, int first) : count_(count), current_(first) {}

    int Current() const { return current_; }
    int Count() const { return count_; }

    // Going on from the last slide ends the show; going back from the first stays.
    ShowMove Next();
    ShowMove Previous();
    ShowMove First() { return GoTo(0); }
    ShowMove Last() { return GoTo(count_ - 1); }
    // A digit of the slide number to jump to, which Enter takes; a number that names no slide
    // is dropped. Any other request drops what was typed too.
    void Digit(int digit);
    ShowMove Enter();

private:
    ShowMove GoTo(int slide);

    int count_;
    int current_;
    std::string typed_;
};
