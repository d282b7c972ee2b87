// The folders of the host agreement scenarios (agreement_checks.sh) that the
// other checks do not already make (probe.cpp: photo, broken, scroll), made
// by kovlo-gtk-probe: a view off by one pixel, a turn the wrong way or a scale
// rounded differently shows in them.
#pragma once

#include <string>

// Makes DIR/ with the scenario's files; false for an unknown kind.
//   tall      one 600x900 picture with distinct quadrants (for a quarter turn)
//   one       one 1x1 picture
//   panorama  one 3000x240 photograph-like picture
bool MakeScenarioFolder(const std::string &dir, const std::string &kind);
