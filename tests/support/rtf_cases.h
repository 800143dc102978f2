// Table-driven checks: a row names what it shows, the calls that show it and
// what must come out, so that each case takes a line or two.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rtf_test.h"

using Calls = std::function<void(HVELDOC)>;
using Call = std::function<int(HVELDOC)>;

// The body after the prologue, up to but without the save's closing brace,
// with the writer's line breaks left out (they carry no meaning).
std::string BodyOf(HVELDOC doc);

// Calls on a new document, then the flat body they wrote.
struct BodyCase {
    const char* what;
    Calls calls;
    std::string body;
};
void ExpectBodies(const std::vector<BodyCase>& cases);

// A call refused in the state `setup` leaves: it gives 0, stores report
// `number` under the call's own caption (quietly) and changes nothing.
struct Refusal {
    const char* what;
    Calls setup;
    Call call;
    int number;
    const char* caption;
};
void ExpectRefusals(const std::vector<Refusal>& cases);

// The text of the composed message 48 for the listed lines, e.g.
// Needs({"VelBeginSectText()     Begin Section Text"}).
std::string Needs(const std::vector<std::string>& lines);
