import { openDB, type DBSchema, type IDBPDatabase } from 'idb';

// The calculation history and the two open calculations, in IndexedDB so that they outlive a
// reload and a browser restart. A record keeps the inputs and the one-line summary only: it
// is reopened by calculating again.

export interface Calculation {
  id?: number;
  inputParameters: Record<string, string>;
  latexString: string;
}

type OpenKey = 'currentCalculation' | 'currentSelectedCalculation';

interface Schema extends DBSchema {
  calculations: { key: number; value: Calculation };
  open: { key: OpenKey; value: Calculation };
}

export class CalcStore {
  private constructor(private readonly db: IDBPDatabase<Schema>) {}

  static async open(name = 'unitcircle'): Promise<CalcStore> {
    const db = await openDB<Schema>(name, 1, {
      upgrade(database) {
        database.createObjectStore('calculations', { keyPath: 'id', autoIncrement: true });
        database.createObjectStore('open');
      },
    });
    return new CalcStore(db);
  }

  // Newest first: ids grow with every insertion.
  async calculations(): Promise<Calculation[]> {
    const all = await this.db.getAll('calculations');
    return all.sort((a, b) => (b.id ?? 0) - (a.id ?? 0));
  }

  // Every write is flushed to disk before it counts as done: a browser that closes right after
  // would otherwise drop it (Chromium's default durability is relaxed).
  private writing<Name extends 'calculations' | 'open'>(name: Name) {
    return this.db.transaction(name, 'readwrite', { durability: 'strict' });
  }

  async insertCalculation(calculation: Calculation): Promise<number> {
    const { id: _ignored, ...record } = calculation;
    const transaction = this.writing('calculations');
    const id = await transaction.store.add(record);
    await transaction.done;
    return id;
  }

  async removeCalculation(id: number): Promise<void> {
    const transaction = this.writing('calculations');
    await Promise.all([transaction.store.delete(id), transaction.done]);
  }

  async clearCalculations(): Promise<void> {
    const transaction = this.writing('calculations');
    await Promise.all([transaction.store.clear(), transaction.done]);
  }

  async openCalculation(key: OpenKey): Promise<Calculation | undefined> {
    return this.db.get('open', key);
  }

  async setOpenCalculation(key: OpenKey, calculation: Calculation | null): Promise<void> {
    const transaction = this.writing('open');
    const write = calculation ? transaction.store.put(calculation, key) : transaction.store.delete(key);
    await Promise.all([write, transaction.done]);
  }

  // The selected history entry wins over the last typed input; the selection is used once.
  async takeInputToFill(): Promise<Calculation | undefined> {
    const selected = await this.openCalculation('currentSelectedCalculation');
    if (selected) {
      await this.setOpenCalculation('currentSelectedCalculation', null);
      return selected;
    }
    return this.openCalculation('currentCalculation');
  }

  close(): void {
    this.db.close();
  }
}
