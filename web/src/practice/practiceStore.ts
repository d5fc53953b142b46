import type { DBSchema } from 'idb';
import { StoreConnection, type StoreNotice } from '../store/storeConnection';

// The practice schedule and level, in a database of their own so that the history's schema
// stays as it is. The schedule is the core's JSON, the same the app keeps under
// "practiceSchedule". When storage fails, practice goes on with what this page holds.

type Key = 'practiceSchedule' | 'practiceLevel';

interface Schema extends DBSchema {
  values: { key: Key; value: string | number };
}

export class PracticeStore {
  private readonly connection: StoreConnection<Schema>;
  // This page's values whose last write failed: they win over the stored ones.
  private readonly unsaved = new Map<Key, string | number>();

  private constructor(name: string) {
    this.connection = new StoreConnection<Schema>(name, 1, (database) => {
      database.createObjectStore('values');
    });
  }

  // Never fails: a store the browser refuses works from memory until it allows it again.
  static async open(name = 'unitcircle-practice'): Promise<PracticeStore> {
    const store = new PracticeStore(name);
    await store.connection.warmUp();
    return store;
  }

  set onNotice(listener: ((notice: StoreNotice) => void) | null) {
    this.connection.onNotice = listener;
  }

  private async get(key: Key): Promise<string | number | undefined> {
    if (this.unsaved.has(key)) return this.unsaved.get(key);
    const read = await this.connection.read((db) => db.get('values', key));
    return read.ok ? read.value : undefined;
  }

  async schedule(): Promise<string> {
    const value = await this.get('practiceSchedule');
    return typeof value === 'string' ? value : '';
  }

  async level(): Promise<number> {
    const value = await this.get('practiceLevel');
    return typeof value === 'number' && value >= 1 && value <= 3 ? value : 1;
  }

  // Flushed before it counts as done, as the history's writes are.
  private async put(key: Key, value: string | number): Promise<void> {
    const written = await this.connection.write('progress', async (db) => {
      const transaction = db.transaction('values', 'readwrite', { durability: 'strict' });
      await Promise.all([transaction.store.put(value, key), transaction.done]);
    });
    if (written.ok) this.unsaved.delete(key);
    else this.unsaved.set(key, value);
  }

  setSchedule(json: string): Promise<void> {
    return this.put('practiceSchedule', json);
  }

  setLevel(level: number): Promise<void> {
    return this.put('practiceLevel', level);
  }

  close(): void {
    this.connection.close();
  }
}
