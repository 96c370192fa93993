#pragma once

// Marks a login hand-off as running for as long as the object lives. The message boxes of a
// hand-off run nested loops in which the page can report a login again; such a result, and one
// that arrives after the quit was requested, is not handed over a second time, so the game
// launcher is never started twice.
class CHandOffScope {
public:
    CHandOffScope();
    ~CHandOffScope();
    CHandOffScope(const CHandOffScope&) = delete;
    CHandOffScope& operator=(const CHandOffScope&) = delete;

    // Whether a login result arriving now may be handed over.
    static bool CanStart();
};
