#pragma once
// The memos of whatever windows a program has made, each given a line too long to lay out as the
// memo itself would.

namespace testsupport {

// Every memo must wrap such a line anywhere at its width and wrap as before once the line is
// gone; each text it held is put back. Returns how many memos were tried.
int ExpectEveryMemoWrapsLongLinesAnywhere();

}  // namespace testsupport
