#pragma once

#include "comrt/comtypes.h"

// Dispatch identifiers of the keypad text box's properties, methods and events. Hosts
// call the control by these numbers alone, so they never change.
namespace lcdtextbox::dispid {

using comrt::DispId;

constexpr DispId nCols = 1;
constexpr DispId nRows = 2;
constexpr DispId EmptyCellColor = 3;
constexpr DispId lineLimit = 4;
constexpr DispId text = 5;
constexpr DispId nChars = 6;
constexpr DispId cursorPos = 7;
constexpr DispId row = 8;
constexpr DispId col = 9;
constexpr DispId nCells = 10;
constexpr DispId maxCell = 11;
constexpr DispId convertString = 12;
constexpr DispId PresentRow = 13;
constexpr DispId MaxRow = 14;

constexpr DispId scrollUp = 15;
constexpr DispId scrollDown = 16;
constexpr DispId cut = 17;
constexpr DispId paste = 18;
constexpr DispId copy = 19;
constexpr DispId del = 20;
constexpr DispId invokeCharMap = 21;
constexpr DispId saveMapping = 22;
constexpr DispId loadMapping = 23;
constexpr DispId clear = 24;
constexpr DispId StripTrailingSpaces = 25;
constexpr DispId spellCheck = 26;
constexpr DispId misspelledWords = 27;
constexpr DispId spellingSuggestions = 28;

// Events, numbered in the event interface.
constexpr DispId eventChange = 1;
constexpr DispId eventPaste = 2;
constexpr DispId eventTest = 3;
constexpr DispId eventLineLimit = 4;
constexpr DispId eventSuggestionsWanted = 5;
constexpr DispId eventAddWord = 6;
constexpr DispId eventIgnoreWord = 7;

} // namespace lcdtextbox::dispid
