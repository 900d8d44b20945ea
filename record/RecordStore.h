// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/JudgedProblem.h"

#include <QString>

#include <memory>
#include <vector>

// The private record on this device: an SQLite file written ahead (WAL),
// each judged problem committed on its own, so that a run killed at any
// moment loses at most the problem being judged.
class RecordStore {
public:
    // Opens the record at `path`, making it when there is none. A record
    // that is locked, damaged or cannot be written is not touched: the store
    // is then closed and Problem() says why.
    explicit RecordStore(const QString& path);
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    bool IsOpen() const;
    // Why the record could not be used; empty while it can.
    QString Problem() const;

    // Each of these closes the store, and tells why, on failure.
    bool Add(const JudgedProblem& problem);
    // The problems not yet held, all or none; how many were new.
    std::optional<int> Merge(const std::vector<JudgedProblem>& problems);
    bool EraseAll();

    // Every problem, oldest first.
    std::vector<JudgedProblem> All() const;

    // The parent's choices kept with the record ("recording", "hint").
    bool Choice(const QString& name, bool otherwise) const;
    bool SetChoice(const QString& name, bool on);

private:
    bool Fail(const QString& what);
    bool Insert(const JudgedProblem& problem, bool& added);

    QString connection_;
    QString problem_;
};

// Where the record lives: the porominka folder of the XDG data directory.
QString DefaultRecordPath();
