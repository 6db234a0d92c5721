// MRVFrameSet.cpp: being written.
