#pragma once

class RecordController;
class TRandForm;

// Gives the drawing window its record tools: RandMenu as the record box's context
// menu, the project's stored automatic settings, the automatic line break and sort
// after every batch, and the write-back of those settings when the window closes.
// Call once after TRandForm::FormShow has built the window (any outcome but Ended).
// Returns null when the project has no record box.
RecordController *AttachRecordTools(TRandForm &form);
