// MRVDecompressor.cpp: being written.
