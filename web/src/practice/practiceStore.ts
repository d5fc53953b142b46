import { openDB, type DBSchema, type IDBPDatabase } from 'idb';

// The practice schedule and level, in a database of their own so that the history's schema
// stays as it is. The schedule is the core's JSON, the same the app keeps under
// "practiceSchedule".

interface Schema extends DBSchema {
  values: { key: 'practiceSchedule' | 'practiceLevel'; value: string | number };
}

export class PracticeStore {
  private constructor(private readonly db: IDBPDatabase<Schema>) {}

  static async open(name = 'unitcircle-practice'): Promise<PracticeStore> {
    const db = await openDB<Schema>(name, 1, {
      upgrade(database) {
        database.createObjectStore('values');
      },
    });
    return new PracticeStore(db);
  }

  async schedule(): Promise<string> {
    const value = await this.db.get('values', 'practiceSchedule');
    return typeof value === 'string' ? value : '';
  }

  async level(): Promise<number> {
    const value = await this.db.get('values', 'practiceLevel');
    return typeof value === 'number' && value >= 1 && value <= 3 ? value : 1;
  }

  // Flushed before it counts as done, as the history's writes are.
  private async put(key: 'practiceSchedule' | 'practiceLevel', value: string | number): Promise<void> {
    const transaction = this.db.transaction('values', 'readwrite', { durability: 'strict' });
    await Promise.all([transaction.store.put(value, key), transaction.done]);
  }

  setSchedule(json: string): Promise<void> {
    return this.put('practiceSchedule', json);
  }

  setLevel(level: number): Promise<void> {
    return this.put('practiceLevel', level);
  }

  close(): void {
    this.db.close();
  }
}
