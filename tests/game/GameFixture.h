#pragma once

#include "ErrorRecorder.h"
#include "RandomScript.h"
#include "WorkDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The texts of the fixture base: one record for every level L, in Windows-1251 bytes. Tag tells
// two bases apart.
std::string QuestionText(int L, const std::string& Tag = "");
std::string RightText(int L, const std::string& Tag = "");
std::string WrongText(int L, int Which, const std::string& Tag = "");

// One record of six lines: question, right answer, three wrong answers, group key.
struct TRecord {
    std::string Question;
    std::string Right;
    std::string Wrong1;
    std::string Wrong2;
    std::string Wrong3;
    std::string Key;
};
TRecord FixtureRecord(int L, const std::string& Tag = "");
// The records with CR LF line ends.
std::string BaseOf(const std::vector<TRecord>& Records);
// 15 records with 15 different keys: record L is level L's only record.
std::string FifteenLevels(const std::string& Tag = "");

// "stat.txt" as the game writes it: Total lines of "0" but for the Changes (line number, text).
std::string Counts(const std::map<int, std::string>& Changes = {}, int Total = 16);

// Scripted random values: the draw of a base of 15 records (each level gets its one record).
std::vector<double> DrawOfFifteen();

// A fresh working folder holding the fixture base and 16 zero counts, with a recorder of error
// boxes. Start creates the game's windows as the main block does; every test ends with its
// windows destroyed and the random script ended.
class GameTest : public ::testing::Test {
protected:
    GameTest();
    void TearDown() override;

    // Scripts the random values and creates the windows.
    void Start(const std::vector<double>& Script);
    // Start on the fixture base with the level-1 answers in the base's order.
    void StartGame();
    // Answers right, by real clicks, until Level is L; the answers stay in the base's order.
    void ClimbTo(int L);

    // The states of the ladder and the answer buttons that the tests look at.
    static std::vector<int> RedRungs();
    static std::vector<int> EnabledAnswerButtons();
    // The labels of the four answers, top to bottom.
    static std::vector<std::string> ShownAnswers();

    TempWorkDir WorkDir;
    ErrorRecorder Errors;
};
