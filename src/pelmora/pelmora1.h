#pragma once

#include <QString>
#include <array>

namespace pelmora {

// Categories beyond this many are ignored: each needs its place in PlaceHolder.
inline constexpr int MaxCategories = 25;

// The game's module state, shared by the main window and its dialogs for the whole run.
struct Pelmora1 {
    int Level = 1;
    int FirstTile = 0;
    int LastTile = 8;
    int GameState = 0; // 0 playing, 1 last chance, 2 lost, 3 won
    int CatCount = 0;
    std::array<QString, 51> CatFile;
    std::array<QString, 51> CatName;
    std::array<qint64, MaxCategories + 1> PlaceHolder{};
    qint64 Cycle = 1;
    QString PuzzleFile;
    QString Solution;
    QString PicturePath;
    QString WinDir;
    QString Question;
    std::array<QString, 5> Answers;
    int AnswerCount = 0;
    int SkipCount = 0;
    int ChosenAnswer = 0;
    int CatsChanged = 0;
    int EditState = 0;
};

enum GameStates { Playing = 0, LastChance = 1, Lost = 2, Won = 3 };

} // namespace pelmora
