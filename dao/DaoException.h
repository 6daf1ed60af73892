// CDaoException: an error of the database engine, in the engine's own words.
//
// It carries the engine's code and description, with the catalogue file it
// concerns, so that the framework's report tells the user what went wrong where.
#pragma once

#include "framework/Afx.h"

#include <string>

// The engine's code for a move onto or past the end of a record set.
inline constexpr int kDaoNoCurrentRecord = 3021;
// The engine's code for using a record set that is not open.
inline constexpr int kDaoNotOpen = 3420;
// A catalogue refused before or while it is read: not a database file this
// program can read without writing, or larger than a catalogue may be.
inline constexpr int kDaoCannotRead = 3051;

class CDaoException : public CException {
  public:
    CDaoException(int code, std::string description)
        : m_scode(code), m_strDescription(std::move(description)) {}

    bool GetErrorMessage(std::string& text) const override {
        text = m_strDescription;
        return !text.empty();
    }

    int m_scode;
    std::string m_strDescription;
};
