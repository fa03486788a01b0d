#pragma once
// The words of a record in the data files: one record a line, its fields
// separated by white space (space, tab, line feed, vertical tab, form feed or
// carriage return, so a CR before the line break is white space too). Every
// reader splits a record here, and the checks of what may be stored ask here
// too, so a stored word always reads back whole.
#include <cstddef>
#include <string>

// True for text holding a character at which a record splits.
bool containsWhiteSpace(const std::wstring& text);

// The word starting at or after pos, which is moved past it; empty when the
// line has no further word.
std::string nextRecordWord(const std::string& line, std::size_t& pos);
