#pragma once

#include "Array.h"
#include "Levels.h"

#include <cstdint>
#include <string>

// The question base "base.txt": records of six lines (question, right answer, three wrong
// answers, group key), grouped into the 15 levels by runs of records with equal keys.
// Lines are Windows-1251 bytes, kept and compared as bytes.

// The lines of a record, the group key the last of them.
inline constexpr int RecordLines = 6;
// The answers of a question: the right one and three wrong ones, shown together.
inline constexpr int AnswerCount = 4;

// Where the run of each level 1..15 begins, then the number of records plus 1; all 0 until a
// level scan has succeeded.
using TLevelStart = TArray<int, 1, LevelCount + 1>;
// A record: column 1 the question, 2 the right answer, 3 to 5 the wrong answers, 6 the group key.
using TQuestionRecord = TArray<std::string, 1, RecordLines>;
// The record drawn for each level.
using TQuestions = TArray<TQuestionRecord, 1, LevelCount>;
// The four answers of the question on screen, in display order.
using TAnswers = TArray<std::string, 1, AnswerCount>;

// Reads "base.txt" once from start to end and fills LevelStart. Throws EInOutError when the
// file cannot be read, and Exception naming what is wrong and where when the base does not
// hold exactly 15 levels; LevelStart is written only when the scan succeeds.
void ScanLevels(TLevelStart& LevelStart);

// Record numbers are 32-bit, as LevelStart holds them. The line on which record Record begins,
// counted in 64 bits: a base of more than 357,913,941 records has lines past the 32-bit range.
std::int64_t FirstLineOf(int Record);
// The number of the record after Record. Throws Exception when it would not fit, so that a base
// of more records than LevelStart can number is refused rather than miscounted.
int NextRecord(int Record);

// The draw: DrawRange becomes the number of records, then one record is picked for each level
// by rejection over the whole base and read into Questions, in one forward pass over the file.
// When LevelStart holds no levels yet (the scan at start-up failed), it scans first. Questions
// changes only when the whole draw succeeds: a failure keeps the previous draw, every row whole.
void DrawQuestions(TLevelStart& LevelStart, int& DrawRange, TQuestions& Questions);

// Deals a record's answers for display: Answers gets columns 2 to 5 in the base's order and
// RightAnswer column 2. Then Answers is shuffled: a random key for each position 1 to 4, drawn
// in that order, and an exchange sort into falling key order that exchanges only on a strictly
// smaller key.
void DealAnswers(const TQuestionRecord& Record, TAnswers& Answers, std::string& RightAnswer);
