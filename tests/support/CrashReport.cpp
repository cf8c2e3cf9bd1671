// CrashReport.cpp - names the test case that crashed, as that case's failure in the output.
#include <kavrotest/TestSupport.h>

#include <stdio.h>

namespace kt
{

namespace
{

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pInfo)
{
	const ::testing::TestInfo* pTest = ::testing::UnitTest::GetInstance()->current_test_info();
	const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
	printf("\n[  CRASHED ] %s%s%s: exception 0x%08lX at %p; the cases after it did not run\n",
		pTest ? pTest->test_suite_name() : "", pTest ? "." : "(outside any test case)",
		pTest ? pTest->name() : "", pRecord->ExceptionCode, pRecord->ExceptionAddress);
	fflush(stdout);
	// The process ends here, with the exception code as its exit code, rather
	// than waiting for a debugger.
	return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void ReportCrashes()
{
	::SetUnhandledExceptionFilter(ReportCrash);
}

} // namespace kt
