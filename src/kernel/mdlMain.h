// The shared small procedures every part of the game calls: the error reporter, random
// numbers, the INI text reader, the clock switch, the always-on-top switch and the language
// file openers.
#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "kernel/Game.h"
#include "platform/VbError.h"

namespace myu {

// The program's start: single instance, loading the save (or the first profile), the absence
// check, and the pet window shown. Returns when the pet window shows or start-up ends.
void Main(Game& g);

// Appends the line to KivoError.log and shows the error box (not while g.quietErrors is set).
void ErrorHandle(Game& g, std::int32_t number, const std::string& description,
                 const std::string& title, const std::string& label);

// Reports the exception in flight through ErrorHandle with label + "ErrorHandle".
void reportCurrentError(Game& g, std::string_view label);

// The error trap every labelled procedure has: runs body; on a failure reports it with the
// procedure's label ("mdliniFile/GetUserProfile ") and returns failValue.
template <typename R, typename F>
R guarded(Game& g, std::string_view label, R failValue, F&& body) {
  try {
    return body();
  } catch (...) {
    reportCurrentError(g, label);
  }
  return failValue;
}

template <typename F>
void guarded(Game& g, std::string_view label, F&& body) {
  try {
    body();
  } catch (...) {
    reportCurrentError(g, label);
  }
}

std::int32_t RandomBetween(Game& g, std::int32_t lo, std::int32_t hi);
std::string CutAtNul(const std::string& s);
// Reads an INI text through a 255-byte buffer: cut at NUL, blanks removed at both ends.
// Returns 1, or 0 after a reported error.
std::int32_t GetStringA(Game& g, const std::string& section, const std::string& key,
                        const std::string& defaultValue, std::string& value,
                        const std::filesystem::path& file);
// Opens the own language file (petName + ".dat") on handle 1; returns its record count.
std::int32_t OPENDAT1(Game& g);
// Opens another pet's language file on handle 3; returns its record count.
std::int32_t OPENDAT3(Game& g, const std::string& path);
// The owner's desktop folder (the shell's, cut at its first NUL), made with its parents when
// it is missing, so that the copy for a friend and the treasure hunt always find it. Raises
// error 76 when the system names none, 70 or 75 when it cannot be made.
std::string ownersDesktop(Game& g);
// Switches the pet window's two game clocks.
void ActiveKivoMain(Game& g, bool enabled);
// Puts a window into (1) or out of (other) the always-on-top band.
void PRE_VIEW(Game& g, std::int16_t onTop, Form& window);

// The program's version as petVer: major.minor followed by the revision, 1.51 for 1.5.1.
float versionNumber(int major, int minor, int revision);

}  // namespace myu
