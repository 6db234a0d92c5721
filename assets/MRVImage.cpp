// MRVImage.cpp: being written.
