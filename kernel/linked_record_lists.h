#pragma once
// The singly linked record lists of a geometry window (conics, equations, fills, traces, markings,
// user functions ...): each record points to the next through its `next` member, the last one to
// null, and an empty list is a null head. These helpers walk any such list.

namespace kernel {

// The number of records from head on; 0 for an empty list.
template <class Record>
int CountLinkedList(const Record* head) {
  int count = 0;
  for (; head != nullptr; head = head->next) ++count;
  return count;
}

// The last record (whose next is null); null for an empty list.
template <class Record>
Record* LinkedListLast(Record* head) {
  if (head == nullptr) return nullptr;
  while (head->next != nullptr) head = head->next;
  return head;
}

// Deletes every record of a list made with new, and empties the head.
template <class Record>
void FreeLinkedList(Record*& head) {
  while (head != nullptr) {
    Record* next = head->next;
    delete head;
    head = next;
  }
}

}  // namespace kernel
