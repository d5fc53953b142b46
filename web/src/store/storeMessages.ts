import { tr } from '../i18n/texts';
import type { StoreFailure, StoreNotice } from './storeConnection';

// What the learner reads when the browser's storage fails: the cause, then what it cost, as
// the app says it.

const causes: Record<StoreFailure, string> = {
  full: 'storeBrowserFull',
  refused: 'storeBrowserRefused',
  busy: 'storeBrowserBusy',
  deleted: 'storeBrowserDeleted',
  failed: 'storeBrowserFailed',
};

const consequences = {
  calculation: 'calculationNotSaved',
  deletion: 'deletionNotSaved',
  clearing: 'clearingNotSaved',
  progress: 'practiceNotSaved',
  reopened: 'historyStartsAfresh',
} as const;

export function storeNoticeText(notice: StoreNotice): string {
  return `${tr('Store', causes[notice.failure])} ${tr('Store', consequences[notice.change])}`;
}
