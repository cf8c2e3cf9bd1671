// MessageRecorderTest.cpp - the sequence comparison: what it lets through, refuses, and how it says so.
//
// Classes in this file:
//   Case, MessageRecorderTest
#include <kavrotest/TestSupport.h>

namespace
{

const UINT kId = 7;
const UINT WM_ACTION = WM_APP + 1;
const UINT WM_QUEUED = WM_APP + 2;

// What the fixture records: a message sent to a button, its click
// notification and a tree's to the parent, a message posted to the button
// and handled when the action ends, and the separator.
const kt::Sequence kRecordedSeq = {
	{ WM_ACTION, kt::sent | kt::wparam, 5 },
	kt::Command(BN_CLICKED, kt::sent | kt::parent),
	kt::Notify(TVN_SELCHANGEDA, kt::sent | kt::parent),
	{ WM_QUEUED, kt::posted },
	kt::kSeparator,
};

struct Case
{
	const char* name;
	kt::Sequence expected;
	bool matches;
};

const Case kCases[] = {
	{ "the recording itself", kRecordedSeq, true },
	{ "an optional entry absent",
		{ { WM_ACTION, kt::sent }, { WM_TIMER, kt::posted | kt::optional },
			kt::Command(BN_CLICKED, kt::parent), kt::Notify(TVN_SELCHANGEDA, kt::parent),
			{ WM_QUEUED, kt::posted }, kt::kSeparator },
		true },
	{ "nothing expected", {}, false },
	{ "an extra notification recorded",
		{ { WM_ACTION, kt::sent }, kt::Notify(TVN_SELCHANGEDA, kt::parent), { WM_QUEUED, kt::posted },
			kt::kSeparator },
		false },
	{ "a message missing",
		{ { WM_ACTION, kt::sent }, kt::Command(BN_CLICKED, kt::parent),
			kt::Notify(TVN_SELCHANGEDA, kt::parent), { WM_QUEUED, kt::posted }, { WM_QUEUED, kt::posted },
			kt::kSeparator },
		false },
	{ "sent for posted",
		{ { WM_ACTION, kt::sent }, kt::Command(BN_CLICKED, kt::parent),
			kt::Notify(TVN_SELCHANGEDA, kt::parent), { WM_QUEUED, kt::sent }, kt::kSeparator },
		false },
	{ "another wParam",
		{ { WM_ACTION, kt::sent | kt::wparam, 6 }, kt::Command(BN_CLICKED, kt::parent),
			kt::Notify(TVN_SELCHANGEDA, kt::parent), { WM_QUEUED, kt::posted }, kt::kSeparator },
		false },
	{ "another command code",
		{ { WM_ACTION, kt::sent }, kt::Command(BN_DOUBLECLICKED, kt::parent),
			kt::Notify(TVN_SELCHANGEDA, kt::parent), { WM_QUEUED, kt::posted }, kt::kSeparator },
		false },
	{ "to the control, not the parent",
		{ { WM_ACTION, kt::sent }, kt::Command(BN_CLICKED, kt::sent), kt::Notify(TVN_SELCHANGEDA, kt::parent),
			{ WM_QUEUED, kt::posted }, kt::kSeparator },
		false },
};

class MessageRecorderTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_TRUE(m_button.Create("button", WS_CHILD | WS_VISIBLE, CRect(5, 5, 80, 30), &m_host, kId));
		m_rec.reset(new kt::MessageRecorder(m_button.GetSafeHwnd(), true));
		m_button.SendMessage(WM_ACTION, 5);
		m_button.PostMessage(WM_QUEUED);
		m_host.SendMessage(WM_COMMAND, MAKEWPARAM(kId, BN_CLICKED), (LPARAM)m_button.GetSafeHwnd());
		NMHDR nmhdr = { m_button.GetSafeHwnd(), kId, TVN_SELCHANGEDA };
		m_host.SendMessage(WM_NOTIFY, kId, (LPARAM)&nmhdr);
		m_rec->Separate();
	}

	kt::HostWindow m_host;
	CButton m_button;
	std::unique_ptr<kt::MessageRecorder> m_rec;
};

TEST_F(MessageRecorderTest, EveryMessageNotIgnoredMustMatchInOrder)
{
	for (const Case& c : kCases)
		EXPECT_EQ(static_cast<bool>(m_rec->Matches(c.expected, kt::kIncidental)), c.matches) << c.name;
	// Ignored, a message may as well not have come.
	const kt::Sequence withoutQueued = { { WM_ACTION, kt::sent }, kt::Command(BN_CLICKED, kt::parent),
		kt::Notify(TVN_SELCHANGEDA, kt::parent), kt::kSeparator };
	EXPECT_FALSE(m_rec->Matches(withoutQueued, kt::kIncidental));
	EXPECT_TRUE(m_rec->Matches(withoutQueued, { kt::kIncidental, { WM_QUEUED } }));
}

TEST_F(MessageRecorderTest, AMismatchShowsBothSequencesByName)
{
	const std::string text = m_rec->Matches(kCases[7].expected, kt::kIncidental).message();
	EXPECT_NE(text.find("! 1 WM_COMMAND BN_DOUBLECLICKED parent"), std::string::npos) << text;
	EXPECT_NE(text.find("WM_COMMAND BN_CLICKED sent parent"), std::string::npos) << text;
	EXPECT_NE(text.find("WM_NOTIFY TVN_SELCHANGEDA sent parent"), std::string::npos) << text;
	EXPECT_NE(text.find("WM_APP+2 posted"), std::string::npos) << text;
	EXPECT_NE(text.find("separator sent"), std::string::npos) << text;
}

} // namespace
