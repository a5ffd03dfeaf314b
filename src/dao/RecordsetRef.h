/*
** RecordsetRef: a counted reference to a RecordsetState, held by the
** Recordset handles and by the Fields taken from them. The state ends with
** the last reference, so a Field kept after its Recordset handle is gone
** still reads the record set.
**
** The count is a plain integer, not an atomic one. A walk takes a Field at
** every read (rs.Fields("Id").Value()), and two atomic operations per read
** cost about as much as SQLite's own column read. The engine is used from
** one thread (its connections are opened without SQLite's mutex), so the
** handles of one record set are never copied on two threads at once.
*/
#pragma once

#include <utility>

namespace dao {

class RecordsetState;

class RecordsetRef {
 public:
  RecordsetRef() = default;
  // The first reference to a state made with new.
  explicit RecordsetRef(RecordsetState* state);

  RecordsetRef(const RecordsetRef& other) noexcept : state_(other.state_), count_(other.count_) {
    if (count_ != nullptr) ++*count_;
  }
  RecordsetRef(RecordsetRef&& other) noexcept
      : state_(std::exchange(other.state_, nullptr)),
        count_(std::exchange(other.count_, nullptr)) {}
  RecordsetRef& operator=(RecordsetRef other) noexcept {
    std::swap(state_, other.state_);
    std::swap(count_, other.count_);
    return *this;
  }
  ~RecordsetRef() {
    if (count_ != nullptr && --*count_ == 0) Destroy(state_);
  }

  RecordsetState* get() const { return state_; }
  RecordsetState* operator->() const { return state_; }
  RecordsetState& operator*() const { return *state_; }
  explicit operator bool() const { return state_ != nullptr; }

 private:
  static void Destroy(RecordsetState* state);

  RecordsetState* state_ = nullptr;
  long* count_ = nullptr;  // the state's own count of references
};

}  // namespace dao
