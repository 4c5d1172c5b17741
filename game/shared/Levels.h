#pragma once

// The levels that both programs play through, one question each.
inline constexpr int LevelCount = 15;
// Where Level stands once the last level has been passed.
inline constexpr int LevelAfterLast = LevelCount + 1;
