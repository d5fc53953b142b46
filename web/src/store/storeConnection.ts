import { openDB, type DBSchema, type IDBPDatabase, type IDBPTransaction, type StoreNames } from 'idb';

export type UpgradeTransaction<Schema extends DBSchema> = IDBPTransaction<Schema, StoreNames<Schema>[], 'versionchange'>;

// One IndexedDB connection that outlives the browser's moods: an open that throws, errs or is
// blocked, a full store, the database deleted under the page. An operation never throws to
// its caller; the owner hears of a failure once until a write of that kind succeeds again
// (with a full store, deleting still works and proves nothing), and the next operation opens
// the database afresh.

export type StoreFailure = 'full' | 'refused' | 'busy' | 'deleted' | 'failed';

// What a write was for: the learner is told once per kind. 'reopened': the database was
// deleted under the page and has just been written afresh.
export type StoreChange = 'calculation' | 'deletion' | 'clearing' | 'progress' | 'reopened';

export interface StoreNotice {
  failure: StoreFailure;
  change: StoreChange;
}

export type Outcome<T> = { ok: true; value: T } | { ok: false };

class StoreFailed extends Error {
  constructor(readonly failure: StoreFailure) {
    super(failure);
  }
}

// A browser that never answers an open would otherwise hold up the page for good.
const openTimeLimit = 5000;

const errorName = (error: unknown) => (error instanceof Error || error instanceof DOMException ? error.name : '');

function openFailureOf(error: unknown): StoreFailure {
  switch (errorName(error)) {
    case 'QuotaExceededError':
      return 'full';
    case 'VersionError':
      return 'failed';
    default:
      return 'refused';
  }
}

function failureOf(error: unknown): StoreFailure {
  if (error instanceof StoreFailed) return error.failure;
  return errorName(error) === 'QuotaExceededError' ? 'full' : 'failed';
}

export class StoreConnection<Schema extends DBSchema> {
  onNotice: ((notice: StoreNotice) => void) | null = null;
  private db: IDBPDatabase<Schema> | null = null;
  // An open the browser has not answered yet (a blocked one): nothing else queues behind it.
  private unanswered: Promise<IDBPDatabase<Schema>> | null = null;
  // The last connection went with its database, and the learner has not been told yet.
  private deleted = false;
  private readonly told = new Set<StoreChange>();

  constructor(
    private readonly name: string,
    private readonly version: number,
    // From the version the database had (0 when new), inside the upgrade's transaction.
    private readonly upgrade: (db: IDBPDatabase<Schema>, oldVersion: number, transaction: UpgradeTransaction<Schema>) => void,
  ) {}

  // Opens now, so that the first read need not wait; a failure is the first write's to tell.
  async warmUp(): Promise<void> {
    await this.connection().catch(() => undefined);
  }

  async read<T>(operation: (db: IDBPDatabase<Schema>) => Promise<T>): Promise<Outcome<T>> {
    let db: IDBPDatabase<Schema> | null = null;
    try {
      db = await this.connection();
      return { ok: true, value: await operation(db) };
    } catch (error) {
      this.dropIfClosed(db, error);
      return { ok: false };
    }
  }

  // change null: a write the learner never waits for (the typed input), so never told.
  async write<T>(change: StoreChange | null, operation: (db: IDBPDatabase<Schema>) => Promise<T>): Promise<Outcome<T>> {
    let db: IDBPDatabase<Schema> | null = null;
    try {
      db = await this.connection();
      const value = await operation(db);
      // Finished on a connection that went with its database: written into what was deleted.
      if (db !== this.db && this.deleted) throw new StoreFailed('deleted');
      if (change) this.told.delete(change);
      if (this.deleted) {
        this.deleted = false;
        this.onNotice?.({ failure: 'deleted', change: 'reopened' });
      }
      return { ok: true, value };
    } catch (error) {
      const failure = db && db !== this.db && this.deleted ? 'deleted' : failureOf(error);
      this.dropIfClosed(db, error);
      if (change && !this.told.has(change)) {
        this.told.add(change);
        if (failure === 'deleted') this.deleted = false;
        this.onNotice?.({ failure, change });
      }
      return { ok: false };
    }
  }

  close(): void {
    this.db?.close();
    this.db = null;
  }

  private connection(): Promise<IDBPDatabase<Schema>> {
    if (this.db) return Promise.resolve(this.db);
    return this.unanswered ?? this.open();
  }

  private open(): Promise<IDBPDatabase<Schema>> {
    let opened: IDBPDatabase<Schema> | null = null;
    let giveUp = (_failure: StoreFailure) => {};
    let gaveUp = false;
    let request: Promise<IDBPDatabase<Schema>>;
    try {
      request = openDB<Schema>(this.name, this.version, {
        upgrade: (db, oldVersion, _newVersion, transaction) => this.upgrade(db, oldVersion, transaction),
        blocked: () => giveUp('busy'),
        // Another tab deletes the database (or upgrades it): let it go at once rather than
        // block it, and open afresh for the next operation.
        blocking: (_current, next) => this.lose(opened, next === null),
        // The browser closed it: site data cleared, storage gone.
        terminated: () => this.lose(opened, true),
      });
    } catch (error) {
      return Promise.reject(new StoreFailed(openFailureOf(error)));
    }
    const answer = new Promise<IDBPDatabase<Schema>>((resolve, reject) => {
      giveUp = (failure) => {
        gaveUp = true;
        reject(new StoreFailed(failure));
      };
      const timer = setTimeout(() => giveUp('busy'), openTimeLimit);
      request.then(
        (db) => {
          clearTimeout(timer);
          this.unanswered = null;
          opened = db;
          // Too late: the operations that waited have failed; the next one opens again.
          if (gaveUp) {
            db.close();
            return;
          }
          this.db = db;
          resolve(db);
        },
        (error: unknown) => {
          clearTimeout(timer);
          this.unanswered = null;
          reject(new StoreFailed(openFailureOf(error)));
        },
      );
    });
    this.unanswered = answer;
    return answer;
  }

  private lose(db: IDBPDatabase<Schema> | null, deleted: boolean): void {
    db?.close();
    if (!db || db !== this.db) return;
    this.db = null;
    if (deleted) this.deleted = true;
  }

  // A connection closed under an operation is of no use any more.
  private dropIfClosed(db: IDBPDatabase<Schema> | null, error: unknown): void {
    if (db && db === this.db && errorName(error) === 'InvalidStateError') this.close();
  }
}
