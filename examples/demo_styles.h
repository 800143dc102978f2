// The numbers of the example document's styles (DemoStyles defines them).
#pragma once

constexpr int DEMO_STYLE_HEADING1 = 1;
constexpr int DEMO_STYLE_HEADING2 = 2;
constexpr int DEMO_STYLE_BODY = 3;
constexpr int DEMO_STYLE_KEY_TERM = 10;  // a character style
