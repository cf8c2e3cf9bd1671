// ReleaseDiagnosticsTest.cpp - ASSERT and VERIFY as a release build compiles them.
//
// Whatever this build is: ASSERT is gone, VERIFY's expression runs and nothing
// is reported (a report would fail the test).
#undef _DEBUG
#include <afxwin.h>

#include <gtest/gtest.h>

TEST(Diagnostics, ReleaseBuildsDropAssertAndKeepVerifysExpression)
{
	int nEvaluated = 0;
	ASSERT(++nEvaluated < 0);
	VERIFY(++nEvaluated < 0);
	EXPECT_EQ(nEvaluated, 1);
}
