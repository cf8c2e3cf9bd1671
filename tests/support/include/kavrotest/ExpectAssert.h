// ExpectAssert.h - a framework ASSERT that a test trips on purpose.
//
// Classes in this file:
//   ExpectedAssert
#pragma once

namespace kt
{

// Every failed framework ASSERT fails the running test at the ASSERT's file
// and line (TestMain installs the hook). While an ExpectedAssert lives, the
// failed ASSERTs of its thread are counted instead; in a checked build (_DEBUG)
// its destructor fails the test at file and line when none came.
class ExpectedAssert
{
// Construction
public:
	ExpectedAssert(const char* file, int line);
	~ExpectedAssert();
	ExpectedAssert(const ExpectedAssert&) = delete;
	ExpectedAssert& operator=(const ExpectedAssert&) = delete;

// Operations
public:
	// Counts one failed ASSERT of this thread; false when none is expected.
	static bool Take();

// Implementation
private:
	const char* m_file;
	int m_line;
	int m_count = 0;
	ExpectedAssert* m_pOuter;
};

} // namespace kt

// Runs statement, which calls a wrapper in a way the framework asserts on
// (a null handle, say) to check what it returns in a release build.
#define KT_EXPECT_ASSERT(statement) \
	do \
	{ \
		::kt::ExpectedAssert kt_expectedAssert(__FILE__, __LINE__); \
		statement; \
	} while (0)
